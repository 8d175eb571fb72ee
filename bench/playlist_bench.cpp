// Playlist figures under Wine: ReadM3U of a 100,000-entry playlist into both list boxes, the
// save of the same list, and beside them a plain read and a plain write of the same bytes.
// Then the reader alone where it runs, in this build (two-byte characters): m3u::read of the
// file's bytes into titles and paths, beside a plain read of the same file, as throughputs.
//   playlist_bench RUNS  ->  "load_ms save_ms read_ms write_ms bytes" (medians)
//                            "reader_mb_s plain_read_mb_s" (best of RUNS each)
#include "PlayerLists.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include "player/M3u.h"
#include "player/Playlist.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "Clock.h"
#include <windows.h>

namespace {

using bench::median;
using bench::nowMs;

std::vector<std::uint8_t> playlistBytes(int entries) {
    std::string s = "#EXTM3U\r\n";
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string(i);
        s += "#EXTINF:200,Artist " + n + " - Song " + n + "\r\n";
        s += "C:\\Music\\Artist " + std::to_string(i / 12) + "\\Album\\Track " + n + ".mp3\r\n";
    }
    return {s.begin(), s.end()};
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 5;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp;
    const std::wstring source = folder + L"vx_bench_100k.m3u";
    const std::wstring saved = folder + L"vx_bench_saved.m3u";
    const std::wstring copy = folder + L"vx_bench_copy.m3u";

    vx::win32::Win32Files files;
    vx::win32::Win32System system;
    vx::win32::Win32Toolkit toolkit(L"Vextral bench");
    const auto bytes = playlistBytes(100000);
    files.writeAll(source, bytes);

    PlayerLists lists(toolkit);
    auto& display = *lists.display;
    auto& paths = *lists.paths;
    vx::Playlist playlist(display, paths, files, system, folder);

    std::vector<double> load, save, read, write;
    for (int r = 0; r < runs; ++r) {
        double t0 = nowMs();
        auto plain = files.readAll(source);
        double t1 = nowMs();
        files.writeAll(copy, plain);
        double t2 = nowMs();
        playlist.ReadM3U(source, false);
        double t3 = nowMs();
        playlist.save(saved);
        double t4 = nowMs();
        read.push_back(t1 - t0);
        write.push_back(t2 - t1);
        load.push_back(t3 - t2);
        save.push_back(t4 - t3);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    if (playlist.count() != 100000 || display.count() != 100000) {
        std::fprintf(stderr, "wrong count %d\n", playlist.count());
        return 1;
    }
    if (_wgetenv(L"VX_BENCH_DETAIL")) { // where the time of one load and save goes
        double a = nowMs();
        auto raw = files.readAll(source);
        double b = nowMs();
        auto text = vx::m3u::decode(raw, source, system);
        double c = nowMs();
        auto entries = vx::m3u::parse(text, source);
        double d = nowMs();
        playlist.clear();
        double e = nowMs();
        paths.addTexts(entries.pathTexts());
        double f = nowMs();
        display.addTexts(entries.titleTexts());
        double g = nowMs();
        std::vector<std::wstring> back;
        for (int i = 0; i < paths.count(); ++i)
            back.push_back(paths.item(i));
        double h = nowMs();
        auto out = vx::m3u::encode(back, source, system);
        double k = nowMs();
        std::fprintf(stderr, "read %.1f decode %.1f parse %.1f clear %.1f addPaths %.1f addTitles %.1f getItems %.1f encode %.1f\n",
                     b - a, c - b, d - c, e - d, f - e, g - f, h - g, k - h);
    }
    std::printf("%.1f %.1f %.1f %.1f %zu\n", median(load), median(save), median(read), median(write), bytes.size());

    double bestReader = 1e9, bestRead = 1e9;
    for (int r = 0; r < std::max(runs, 7); ++r) {
        double t0 = nowMs();
        auto raw = files.readAll(source);
        double t1 = nowMs();
        auto entries = vx::m3u::read(raw, source, system);
        double t2 = nowMs();
        if (entries.size() != 100000) {
            std::fprintf(stderr, "reader found %zu entries\n", entries.size());
            return 1;
        }
        bestRead = std::min(bestRead, t1 - t0);
        bestReader = std::min(bestReader, t2 - t1);
    }
    const double megabytes = double(bytes.size()) / 1e6;
    std::printf("%.0f %.0f\n", megabytes / (bestReader / 1000), megabytes / (bestRead / 1000));
    for (const auto* p : {&source, &saved, &copy})
        DeleteFileW(p->c_str());
    return 0;
}
