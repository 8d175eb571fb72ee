#include "fakes/FakePlatform.h"
#include "tools/AutoRun.h"
#include "tools/TForm6.h"
#include <gtest/gtest.h>

using namespace vx;
using platform::RegRoot;

namespace {

struct SettingsWindow : ::testing::Test {
    fakes::FakeMachine m;
    void SetUp() override {
        m.disks.drives[L'E'] = {platform::drivetype::CdRom, {}, {}, {}};
        m.disks.drives[L'F'] = {platform::drivetype::CdRom, {}, {}, {}};
        m.registry.keys[{RegRoot::LocalMachine, autorun::RunKey}];
        m.start();
    }
    TForm6& settings() { return *m.app->Form6; }
    fakes::FakeForm& window() { return m.form(L"TForm6"); }
    fakes::FakeDriveComboBox& picker() { return static_cast<fakes::FakeDriveComboBox&>(*settings().DriveComboBox1); }
    fakes::FakeRegistry::Values& store() { return *m.registry.find(RegRoot::CurrentUser, SettingsStore::KeyPath); }
    fakes::FakeRegistry::Values* run() { return m.registry.find(RegRoot::LocalMachine, autorun::RunKey); }
    std::wstring text(const platform::RegValue& v) { return regvalue::decodeString(L"", &v); }
    // A REG_DWORD's number; -1 for any other type.
    long dword(const platform::RegValue& v) {
        if (v.type != platform::regtype::Dword || v.data.size() != 4)
            return -1;
        return long(v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (unsigned(v.data[3]) << 24));
    }
    void apply() { m.ui.fire(settings().BitBtn2->onClick); }
};

} // namespace

TEST_F(SettingsWindow, ShowingLoadsTheStoredValuesEveryTime) {
    store()[setting::AutoRun] = regvalue::encodeBool(true);
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    EXPECT_TRUE(settings().CheckBox1->checked());
    EXPECT_EQ(picker().drive(), L'E');

    settings().CheckBox1->setChecked(false); // changed, then "Закрыть": nothing is stored
    m.ui.fire([&] { picker().pick(2); });
    m.ui.fire(settings().BitBtn1->onClick);
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(dword(store()[setting::AutoRun]), 1);
    window().show();
    EXPECT_TRUE(settings().CheckBox1->checked());
    EXPECT_EQ(picker().drive(), L'E');
}

TEST_F(SettingsWindow, ApplyStoresBothAndWritesTheProgramPathToTheRunKey) {
    window().show();
    settings().CheckBox1->setChecked(true);
    m.ui.fire([&] { picker().pick(2); }); // "F: []"
    const int flushes = m.registry.flushes;
    apply();
    EXPECT_TRUE(m.ui.errors.empty());
    EXPECT_EQ(dword(store()[setting::AutoRun]), 1);
    EXPECT_EQ(text(store()[setting::CdRom]), L"F");
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"C:\\Programs\\Vextral\\vextral.exe");
    EXPECT_EQ(m.registry.flushes, flushes + 1);
    EXPECT_EQ(m.registry.openKeys, 1) << "only the settings store stays open";
    EXPECT_TRUE(window().visible());

    apply(); // again: the same value
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"C:\\Programs\\Vextral\\vextral.exe");

    settings().CheckBox1->setChecked(false);
    apply();
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0);
    EXPECT_EQ(run()->count(autorun::ValueName), 0u);
    apply(); // nothing to delete: no error
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(SettingsWindow, APathWithABlankIsQuoted) {
    m.system.path = L"C:\\Program Files\\Vextral\\vextral.exe";
    settings().CheckBox1->setChecked(true);
    apply();
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"\"C:\\Program Files\\Vextral\\vextral.exe\"");
    EXPECT_EQ(autorun::commandFor(L"C:\\Tools\\vextral.exe"), L"C:\\Tools\\vextral.exe");
}

TEST_F(SettingsWindow, WithoutTheRunKeyEnablingFailsAndAutoRunKeepsTellingTheTruth) {
    m.registry.keys.erase({RegRoot::LocalMachine, autorun::RunKey});
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    settings().CheckBox1->setChecked(true);
    m.ui.fire([&] { picker().pick(1); });
    apply();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"Failed to set data for 'My App'"});
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0) << "the program does not start with Windows";
    EXPECT_EQ(text(store()[setting::CdRom]), L"E") << "the drive is stored all the same";
    m.ui.fire([&] { picker().pick(2); });

    settings().CheckBox1->setChecked(false); // disabling fails silently and goes on
    apply();
    EXPECT_EQ(m.ui.errors.size(), 1u);
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0);
    EXPECT_EQ(text(store()[setting::CdRom]), L"F");
}

TEST_F(SettingsWindow, AStoredLetterWithoutADriveIsWrittenBackUnchanged) {
    store()[setting::CdRom] = regvalue::encodeString(L"Q");
    window().show();
    EXPECT_EQ(picker().item(picker().selectedIndex()), L"C: [SYSTEM]");
    apply();
    EXPECT_EQ(text(store()[setting::CdRom]), L"Q");
}

TEST_F(SettingsWindow, AMissingAutoRunIsReportedAndTheWindowShownWithTheRestUnread) {
    store().erase(setting::AutoRun);
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"Failed to get data for 'AutoRun'"});
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(picker().drive(), L'C') << "reading stopped at the failing value";

    store()[setting::CdRom] = regvalue::encodeString(L""); // empty: no drive, no crash
    store()[setting::AutoRun] = regvalue::encodeBool(false);
    window().hide();
    window().show();
    EXPECT_EQ(m.ui.errors.size(), 1u);
    EXPECT_EQ(picker().drive(), L'C');
}
