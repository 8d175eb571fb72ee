#include "platform/Error.h"
#include "platform/win32/Win32Mci.h"
#include "platform/win32/Win32MediaFoundation.h"
#include "player/MediaEngine.h"
#include "WaveFile.h"
#include <gtest/gtest.h>
#include <mmsystem.h>

using namespace vx;

namespace {

// The engine over the real media control interface, playing generated WAV files. Needs an
// audio device (the session's PulseAudio null sink): without one the position never moves.
struct MediaEngineWin : ::testing::Test {
    std::wstring folder;
    win32::Win32Mci mci;
    win32::Win32MediaFoundation mf;
    MediaEngine engine{mci, mf};
    HWND notify = nullptr;

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vx_mci_test\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        notify = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        engine.setNotifyWindow(reinterpret_cast<WindowId>(notify));
    }
    void TearDown() override {
        engine.close();
        DestroyWindow(notify);
        for (auto* name : {L"one.wav", L"two.wav", L"three.wav"})
            DeleteFileW((folder + name).c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void openWave(const wchar_t* name, std::uint32_t ms) {
        wave::writeWave(folder + name, ms);
        engine.setFileName(folder + name);
        engine.open();
    }
    static std::wstring errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const Error& e) {
            return e.message();
        }
        return L"(no error)";
    }
    static void pump(DWORD ms) {
        const DWORD start = GetTickCount();
        MSG msg;
        while (GetTickCount() - start < ms) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(10);
        }
    }
};

} // namespace

TEST_F(MediaEngineWin, LengthIsTheFilesDurationAndPositionFollowsPlayPauseStopAndSeek) {
    openWave(L"three.wav", 3000);
    EXPECT_NEAR(double(engine.length()), 3000.0, 1.0);
    EXPECT_EQ(engine.position(), 0u);

    engine.play();
    pump(700);
    const auto playing = engine.position();
    EXPECT_GT(playing, 300u) << "the position advances while playing";
    EXPECT_LT(playing, 2000u);

    engine.pause();
    const auto paused = engine.position();
    pump(400);
    EXPECT_NEAR(double(engine.position()), double(paused), 30.0) << "paused";
    engine.pause(); // resume
    pump(400);
    EXPECT_GT(engine.position(), paused + 200) << "resumed";

    engine.stop();
    const auto stopped = engine.position();
    pump(300);
    EXPECT_NEAR(double(engine.position()), double(stopped), 30.0) << "stopped";
    EXPECT_FALSE(engine.ended()) << "a stop by the program is no end";

    engine.seek(2000);
    EXPECT_NEAR(double(engine.position()), 2000.0, 30.0);
    engine.play();
    pump(300);
    EXPECT_GE(engine.position(), 2100u) << "plays on from the new position";
    engine.playFrom(1000);
    pump(300);
    EXPECT_GE(engine.position(), 1100u) << "plays from a position";
    EXPECT_LT(engine.position(), 2000u);
}

TEST_F(MediaEngineWin, PositionEqualsTheLengthAfterTheEndAndPlayStartsAgain) {
    openWave(L"one.wav", 1000);
    const auto length = engine.length();
    EXPECT_NEAR(double(length), 1000.0, 1.0);
    engine.play();
    pump(1800);
    EXPECT_EQ(engine.position(), length);
    EXPECT_TRUE(engine.ended());
    engine.play(); // from the start again
    // On a loaded machine the device can take a moment to leave the end it reported, so the
    // position is read until it shows the track playing again, for two seconds at most.
    std::uint32_t again = 0;
    for (int i = 0; i < 20; ++i) {
        pump(100);
        again = engine.position();
        if (again > 100 && again < length)
            break;
    }
    EXPECT_GT(again, 100u);
    EXPECT_LT(again, length);
    EXPECT_FALSE(engine.ended());
}

TEST_F(MediaEngineWin, OpensABareNameInTheCurrentFolder) {
    wave::writeWave(folder + L"two.wav", 2000);
    SetCurrentDirectoryW(folder.c_str());
    engine.setFileName(L"two.wav");
    engine.open();
    EXPECT_NEAR(double(engine.length()), 2000.0, 1.0);
    engine.close();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
}

TEST_F(MediaEngineWin, ClosedEngineAndMissingFileErrors) {
    EXPECT_EQ(errorOf([&] { engine.play(); }), L"No MCI device open");
    EXPECT_EQ(errorOf([&] { engine.length(); }), L"No MCI device open");
    EXPECT_EQ(errorOf([&] { engine.seek(10); }), L"No MCI device open");
    EXPECT_EQ(errorOf([&] { engine.stop(); }), L"No MCI device open");
    EXPECT_EQ(errorOf([&] { engine.pause(); }), L"No MCI device open");

    engine.setFileName(folder + L"missing.wav");
    const std::wstring text = errorOf([&] { engine.open(); });
    EXPECT_FALSE(engine.isOpen());
    // The engine reports the system's own text for the code the open returned.
    MCI_OPEN_PARMSW params{};
    const std::wstring element = folder + L"missing.wav";
    params.lpstrElementName = element.c_str();
    MCIERROR code = mciSendCommandW(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&params));
    ASSERT_NE(code, 0u);
    wchar_t expected[4096] = {};
    ASSERT_TRUE(mciGetErrorStringW(code, expected, 4096));
    EXPECT_EQ(text, expected);
    EXPECT_EQ(mci.errorText(0xFFFF), L"") << "a code without text, which the engine calls unknown";
}

namespace {

// The folder of the files tests/make-media.sh made, named in Unix form by VX_TEST_MEDIA (Wine
// takes "/" for "\\" in a path).
std::wstring testMedia() {
    wchar_t unixPath[1024] = {};
    return GetEnvironmentVariableW(L"VX_TEST_MEDIA", unixPath, 1024) ? L"Z:" + std::wstring(unixPath) + L"/"
                                                                      : std::wstring();
}

} // namespace

// Media Foundation's engine itself, over the formats MCI has no device for: each opens with its
// length, advances, holds in a pause and reaches its end; a file it cannot decode fails at once.
TEST(MediaFoundationWin, FlacM4aOpusAndOggOpenAdvancePauseAndEnd) {
    const std::wstring media = testMedia();
    ASSERT_FALSE(media.empty()) << "VX_TEST_MEDIA names the folder of tests/make-media.sh";
    win32::Win32MediaFoundation mf;
    for (const wchar_t* name : {L"tone.flac", L"tone.m4a", L"tone.opus", L"tone.ogg"}) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        ASSERT_EQ(mf.open(media + name), platform::MfOpen::Ok);
        EXPECT_NEAR(double(mf.length()), 2000.0, 100.0);
        EXPECT_TRUE(mf.paused());
        mf.play();
        Sleep(700);
        EXPECT_GT(mf.position(), 300u) << "advances";
        mf.pause();
        Sleep(100);
        const auto held = mf.position();
        Sleep(400);
        EXPECT_NEAR(double(mf.position()), double(held), 30.0) << "holds in a pause";
        mf.seek(1500); // refused under Wine 8: the track plays on to its end from where it is
        mf.play();
        for (const DWORD start = GetTickCount(); !mf.ended() && GetTickCount() - start < 3000;)
            Sleep(50);
        EXPECT_TRUE(mf.ended());
    }
    const DWORD start = GetTickCount();
    EXPECT_NE(mf.open(media + L"bad.flac"), platform::MfOpen::Ok);
    EXPECT_LT(GetTickCount() - start, 10000u) << "an undecodable file fails, it does not hang";
    EXPECT_EQ(mf.position(), 0u) << "and leaves nothing open";
}
