#include "fakes/FakeMci.h"
#include "fakes/FakeMediaFoundation.h"
#include "platform/Error.h"
#include "player/MediaEngine.h"
#include <gtest/gtest.h>

using namespace vx;
namespace mci = platform::mci;
using Commands = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

namespace {

struct Engine : ::testing::Test {
    fakes::FakeMci fake;
    fakes::FakeMediaFoundation mf;
    MediaEngine engine{fake, mf};
    void SetUp() override {
        fake.lengths[L"song.wav"] = 2000;
        engine.setNotifyWindow(77);
    }
    std::wstring errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const Error& e) {
            return e.message();
        }
        return L"(no error)";
    }
};

} // namespace

TEST_F(Engine, EverythingButPositionNeedsAnOpenDevice) {
    for (auto op : std::vector<std::function<void()>>{[&] { engine.play(); }, [&] { engine.pause(); },
                                                       [&] { engine.stop(); }, [&] { engine.seek(5); },
                                                       [&] { engine.length(); }})
        EXPECT_EQ(errorOf(op), L"No MCI device open");
    EXPECT_EQ(engine.position(), 0u);
    engine.close(); // nothing to close: no command
    EXPECT_TRUE(fake.sent.empty());
}

TEST_F(Engine, OpenClosesTheOpenDeviceFirstAndNamesTheElement) {
    engine.setFileName(L"song.wav");
    engine.open();
    const auto first = engine.deviceId();
    ASSERT_NE(first, 0u);
    engine.open();
    ASSERT_EQ(fake.sent.size(), 3u);
    EXPECT_EQ(fake.sent[0].message, mci::Open);
    EXPECT_EQ(fake.sent[0].flags, 0x0202u);
    EXPECT_EQ(fake.sent[0].element, L"song.wav");
    EXPECT_EQ(fake.sent[0].type, L"");
    EXPECT_EQ(fake.sent[1].message, mci::Close);
    EXPECT_EQ(fake.sent[1].device, first);
    EXPECT_EQ(fake.sent[1].flags, mci::Wait);
    EXPECT_EQ(engine.length(), 2000u);
    engine.close();
    EXPECT_FALSE(engine.isOpen());
    EXPECT_TRUE(fake.devices.empty());
}

TEST_F(Engine, AFailedOpenReportsTheSystemTextAndLeavesTheEngineClosed) {
    engine.setFileName(L"song.wav");
    engine.open();
    fake.missing.insert(L"gone.wav");
    engine.setFileName(L"gone.wav");
    EXPECT_EQ(errorOf([&] { engine.open(); }), L"Cannot find the file.");
    EXPECT_FALSE(engine.isOpen());
    EXPECT_TRUE(fake.devices.empty()) << "the previous device was closed before the attempt";
    fake.openError = 999; // a code the system has no text for
    EXPECT_EQ(errorOf([&] { engine.open(); }), L"Unknown error code");
    EXPECT_EQ(errorOf([&] { engine.play(); }), L"No MCI device open");
}

TEST_F(Engine, PlayRewindsOnlyAtTheEndAndAsksForANotification) {
    engine.setFileName(L"song.wav");
    engine.open();
    auto from = fake.sent.size();
    engine.play();
    EXPECT_EQ(fake.commandsSince(from), (Commands{{mci::Play, mci::Notify}}));
    EXPECT_EQ(fake.sent.back().callback, 77u);
    fake.advance(2500);
    EXPECT_EQ(engine.position(), 2000u) << "the position stays at the length after the end";
    from = fake.sent.size();
    engine.play();
    EXPECT_EQ(fake.commandsSince(from), (Commands{{mci::Seek, 0x0102}, {mci::Play, mci::Notify}}));
    fake.advance(300);
    EXPECT_EQ(engine.position(), 300u);
}

TEST_F(Engine, PauseTogglesByModeAndAFailedResumeFallsBackToPlay) {
    engine.setFileName(L"song.wav");
    engine.open();
    auto from = fake.sent.size();
    engine.pause(); // stopped: nothing
    EXPECT_TRUE(fake.commandsSince(from).empty());
    engine.play();
    fake.advance(500);
    from = fake.sent.size();
    engine.pause();
    engine.pause();
    EXPECT_EQ(fake.commandsSince(from), (Commands{{mci::Pause, mci::Wait}, {mci::Resume, mci::Notify}}));
    EXPECT_EQ(fake.device(engine.deviceId())->mode, mci::ModePlay);
    engine.pause();
    fake.failing[mci::Resume] = 274; // the device has no resume command
    from = fake.sent.size();
    engine.pause();
    EXPECT_EQ(fake.commandsSince(from), (Commands{{mci::Resume, mci::Notify}, {mci::Play, mci::Notify}}));
}

TEST_F(Engine, StopAndSeekWaitAndSeekGoesTo) {
    engine.setFileName(L"song.wav");
    engine.open();
    engine.play();
    auto from = fake.sent.size();
    engine.stop();
    engine.seek(1200);
    EXPECT_EQ(fake.commandsSince(from), (Commands{{mci::Stop, mci::Wait}, {mci::Seek, mci::Wait | mci::To}}));
    EXPECT_EQ(fake.sent.back().to, 1200u);
    EXPECT_EQ(engine.position(), 1200u);

    // The start is sought in the form that every device takes; a play from a position needs no seek.
    from = fake.sent.size();
    engine.seek(0);
    engine.playFrom(700);
    EXPECT_EQ(fake.commandsSince(from),
              (Commands{{mci::Seek, mci::Wait | mci::SeekToStart}, {mci::Play, mci::Notify | mci::From}}));
    EXPECT_EQ(fake.sent.back().to, 700u);
    EXPECT_EQ(fake.sent.back().callback, 77u);
    EXPECT_EQ(engine.position(), 700u);
    // Played from a position, the track counts as playing again: its end is seen.
    EXPECT_TRUE(engine.started());
    fake.advance(1300);
    EXPECT_TRUE(engine.ended());
}

TEST_F(Engine, WhatMciRefusesPlaysThroughMediaFoundationWhereSeeksMayBeRefused) {
    engine.setFileName(L"song.wav");
    engine.open();
    EXPECT_FALSE(engine.throughMediaFoundation());
    EXPECT_TRUE(mf.opened.empty()) << "a file MCI plays stays with MCI";

    fake.openError = 296; // the device refuses the file
    mf.lengths[L"song.flac"] = 3000;
    engine.setFileName(L"song.flac");
    engine.open();
    EXPECT_TRUE(fake.devices.empty()) << "the MCI device closed before";
    ASSERT_TRUE(engine.throughMediaFoundation());
    const auto sentToMci = fake.sent.size();
    EXPECT_EQ(engine.length(), 3000u);
    engine.play();
    mf.advance(1000);
    EXPECT_EQ(engine.mode(), mci::ModePlay);
    engine.pause();
    EXPECT_EQ(engine.mode(), mci::ModePause);
    EXPECT_FALSE(engine.ended()) << "a pause is no end";
    engine.pause();
    EXPECT_EQ(engine.mode(), mci::ModePlay);

    // A Media Foundation that refuses to seek: the track plays on from where it stands, and a
    // stop at the start opens the file again.
    mf.seeks = false;
    engine.playFrom(2500);
    EXPECT_EQ(engine.position(), 1000u);
    EXPECT_EQ(engine.mode(), mci::ModePlay);
    engine.stop();
    engine.seek(0);
    EXPECT_EQ(mf.opened.size(), 2u);
    EXPECT_EQ(engine.position(), 0u);
    EXPECT_EQ(engine.mode(), mci::ModeStop);
    EXPECT_FALSE(engine.started());
    engine.play();
    mf.advance(3000);
    EXPECT_TRUE(engine.ended());
    engine.play(); // from the start again
    EXPECT_EQ(engine.position(), 0u);
    EXPECT_EQ(engine.mode(), mci::ModePlay);
    EXPECT_EQ(fake.sent.size(), sentToMci) << "nothing of the track went to MCI";
    engine.close();
    EXPECT_TRUE(mf.file.empty());

    // Failures: no decoder has its own text; otherwise MCI's error stands.
    mf.noDecoder.insert(L"bad.opus");
    engine.setFileName(L"bad.opus");
    EXPECT_EQ(errorOf([&] { engine.open(); }), MediaEngine::NoDecoderText);
    fake.openError = 0;
    fake.missing.insert(L"gone.flac");
    engine.setFileName(L"gone.flac");
    EXPECT_EQ(errorOf([&] { engine.open(); }), L"Cannot find the file.");
    mf.available = false;
    fake.openError = 296;
    engine.setFileName(L"song.flac");
    EXPECT_EQ(errorOf([&] { engine.open(); }), L"Unknown error code");
    EXPECT_FALSE(engine.isOpen());
}
