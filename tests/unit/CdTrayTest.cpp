#include "fakes/FakePlatform.h"
#include "tools/TForm3.h"
#include <gtest/gtest.h>

using namespace vx;
namespace mci = platform::mci;

namespace {

struct Tray : ::testing::Test {
    fakes::FakeMachine m;
    Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    CdTray& tray() { return app->Form3->Tray; }
    void click() {
        m.ui.fire([&] { tray().ToolButton6Click(); });
    }
    void setDrive(const std::wstring& letter) { app->Settings.writeString(setting::CdRom, letter); }
    // The door flags sent, in order, with the element each device was opened on.
    std::vector<std::pair<std::wstring, std::uint32_t>> doors() {
        std::vector<std::pair<std::wstring, std::uint32_t>> out;
        std::wstring element;
        for (auto& s : m.mci.sent) {
            if (s.message == mci::Open)
                element = s.element;
            if (s.message == mci::Set)
                out.emplace_back(element, s.flags);
        }
        return out;
    }
};

} // namespace

TEST_F(Tray, AClickOpensTheDriveAsCdAudioMovesTheDoorAndReleasesTheDevice) {
    setDrive(L"E");
    m.mci.nextDevice = 7;
    click();
    ASSERT_EQ(m.mci.sent.size(), 3u);
    auto& open = m.mci.sent[0];
    EXPECT_EQ(open.message, mci::Open);
    EXPECT_EQ(open.type, L"CDAudio");
    EXPECT_EQ(open.element, L"E:");
    EXPECT_EQ(open.flags, 0x2200u);
    EXPECT_EQ(m.mci.sent[1].message, mci::Set);
    EXPECT_EQ(m.mci.sent[1].device, 7u);
    EXPECT_EQ(m.mci.sent[1].flags, mci::SetDoorOpen);
    EXPECT_EQ(m.mci.sent[2].message, mci::Close);
    EXPECT_EQ(m.mci.sent[2].device, 7u);
    EXPECT_TRUE(tray().CdTrayOpen);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Tray, ClicksAlternateOpenCloseOpenAcrossAChangeOfDrive) {
    click(); // the default drive "D"
    click();
    setDrive(L"F");
    click();
    click();
    EXPECT_EQ(doors(),
              (std::vector<std::pair<std::wstring, std::uint32_t>>{{L"D:", mci::SetDoorOpen},
                                                                   {L"D:", mci::SetDoorClosed},
                                                                   {L"F:", mci::SetDoorOpen},
                                                                   {L"F:", mci::SetDoorClosed}}));
    EXPECT_FALSE(tray().CdTrayOpen);
}

TEST_F(Tray, AFailedOpenSendsNothingMoreAndStillFlips) {
    m.mci.openError = 263; // MCIERR_INVALID_DEVICE_NAME: no such drive
    click();
    ASSERT_EQ(m.mci.sent.size(), 1u);
    EXPECT_EQ(m.mci.sent[0].message, mci::Open);
    EXPECT_TRUE(tray().CdTrayOpen);
    m.mci.openError = 0;
    click(); // the drive became reachable: the alternation goes on with a close
    EXPECT_EQ(doors().back().second, mci::SetDoorClosed);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Tray, AFailedDoorCommandStillReleasesTheDevice) {
    m.mci.failing[mci::Set] = 263;
    click();
    ASSERT_EQ(m.mci.sent.size(), 3u);
    EXPECT_EQ(m.mci.sent[2].message, mci::Close);
    EXPECT_TRUE(tray().CdTrayOpen);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Tray, AnEmptyDriveSettingDoesNothingAndKeepsTheAlternation) {
    setDrive(L"");
    click();
    EXPECT_TRUE(m.mci.sent.empty());
    EXPECT_FALSE(tray().CdTrayOpen);
    EXPECT_TRUE(m.ui.errors.empty());
    setDrive(L"G");
    click();
    EXPECT_EQ(doors(),
              (std::vector<std::pair<std::wstring, std::uint32_t>>{{L"G:", mci::SetDoorOpen}}));
}
