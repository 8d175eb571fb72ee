// Media engines under Wine, on the files tests/make-media.sh makes in the folder FOLDER.
//   media_bench times FOLDER RUNS -> "mci_mp3_ms mf_mp3_ms mf_flac_ms mf_first_ms" (medians of
//       the open-to-playing time: open, play, until the position moves; the last figure is the
//       first Media Foundation open of the process, its start-up included)
//   media_bench table FOLDER -> one line per format through the player's engine: which engine
//       took it, and whether it opens, has its length, advances, pauses, seeks and ends.
#include "Clock.h"
#include "platform/Error.h"
#include "platform/win32/Win32Mci.h"
#include "platform/win32/Win32MediaFoundation.h"
#include "player/MediaEngine.h"
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using bench::median;
using bench::nowMs;

// Open to playing through the player's engine (MCI first), or through Media Foundation alone.
double engineToPlaying(vx::MediaEngine& engine, const std::wstring& file) {
    const double start = nowMs();
    engine.setFileName(file);
    engine.open();
    engine.play();
    while (engine.position() == 0 && nowMs() - start < 5000)
        Sleep(1);
    const double ms = nowMs() - start;
    engine.close();
    return ms;
}

double mfToPlaying(vx::win32::Win32MediaFoundation& mf, const std::wstring& file) {
    const double start = nowMs();
    if (mf.open(file) != vx::platform::MfOpen::Ok)
        return -1;
    mf.play();
    while (mf.position() == 0 && nowMs() - start < 5000)
        Sleep(1);
    const double ms = nowMs() - start;
    mf.close();
    return ms;
}

int times(const std::wstring& folder, int runs) {
    vx::win32::Win32Mci mci;
    vx::win32::Win32MediaFoundation mf;
    vx::MediaEngine engine(mci, mf);
    const double first = mfToPlaying(mf, folder + L"tone.flac");
    // Each engine's runs together: under Wine, Media Foundation opening an MP3 that MCI's
    // MPEGVideo device has just closed has been seen to hang.
    std::vector<double> mciMp3, mfMp3, mfFlac;
    for (int i = 0; i < runs; ++i) {
        mfFlac.push_back(mfToPlaying(mf, folder + L"tone.flac"));
        mfMp3.push_back(mfToPlaying(mf, folder + L"tone.mp3"));
    }
    for (int i = 0; i < runs; ++i)
        mciMp3.push_back(engineToPlaying(engine, folder + L"tone.mp3"));
    std::printf("%.1f %.1f %.1f %.1f\n", median(mciMp3), median(mfMp3), median(mfFlac), first);
    return 0;
}

const char* yes(bool v) {
    return v ? "yes" : "no";
}

int table(const std::wstring& folder) {
    vx::win32::Win32Mci mci;
    vx::win32::Win32MediaFoundation mf;
    vx::MediaEngine engine(mci, mf);
    std::printf("%-5s %-6s %-5s %-7s %-8s %-6s %-5s %s\n", "file", "engine", "opens", "length",
                "advances", "pauses", "seeks", "end");
    for (const wchar_t* ext : {L"wav", L"mp3", L"flac", L"m4a", L"opus", L"ogg"}) {
        engine.setFileName(folder + L"tone." + ext);
        try {
            engine.open();
        } catch (const vx::Error& e) {
            std::printf("%-5ls -      no: %ls\n", ext, e.message().c_str());
            continue;
        }
        const std::uint32_t length = engine.length();
        engine.play();
        Sleep(700);
        const std::uint32_t played = engine.position();
        engine.pause();
        Sleep(100);
        const std::uint32_t held = engine.position();
        Sleep(400);
        const bool pauses = engine.position() - held < 30;
        engine.playFrom(length - 600); // from 0.6 s before the end
        Sleep(150);
        const bool seeks = engine.position() + 600 > length && engine.position() < length;
        const double start = nowMs();
        bool ended = false;
        while (!ended && nowMs() - start < length + 2000.0) {
            Sleep(50);
            ended = engine.ended();
        }
        std::printf("%-5ls %-6s %-5s %-7u %-8s %-6s %-5s %s\n", ext,
                    engine.throughMediaFoundation() ? "MF" : "MCI", "yes", length,
                    yes(played > 300), yes(pauses), yes(seeks), yes(ended));
        engine.close();
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::wstring folder = argv[2];
    if (folder.back() != L'\\')
        folder += L'\\';
    if (std::wcscmp(argv[1], L"times") == 0)
        return times(folder, argc > 3 ? _wtoi(argv[3]) : 5);
    return table(folder);
}
