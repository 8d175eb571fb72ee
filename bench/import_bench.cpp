// Folder import figures under Wine: the media files of a folder of 10,000 media files and
// 10,000 other files found and put into both list boxes in replace mode, beside a plain
// enumeration of the same folder; then the import with subfolders of a tree of 1,000 folders
// holding 10 media files each, beside a plain recursive enumeration of the same tree.
//   import_bench RUNS  ->  "import_ms list_ms entries"
//                          "tree_ms walk_ms entries" (medians)
#include "PlayerLists.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include "player/FolderImport.h"
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

// Fills the folder once: a run after the first finds it ready.
void makeFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    const wchar_t* kinds[] = {L".mp3", L".txt"};
    for (int i = 0; i < 10000; ++i)
        for (const wchar_t* kind : kinds) {
            const std::wstring name = folder + L"\\Track " + std::to_wstring(i) + kind;
            HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (h != INVALID_HANDLE_VALUE)
                CloseHandle(h);
        }
}

// 100 folders of 9 subfolders each, 1,000 folders in all, each with 10 ".mp3" files.
void makeTree(const std::wstring& root) {
    auto fill = [](const std::wstring& folder) {
        CreateDirectoryW(folder.c_str(), nullptr);
        for (int i = 0; i < 10; ++i) {
            const std::wstring name = folder + L"\\Track " + std::to_wstring(i) + L".mp3";
            HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (h != INVALID_HANDLE_VALUE)
                CloseHandle(h);
        }
    };
    CreateDirectoryW(root.c_str(), nullptr);
    for (int a = 0; a < 100; ++a) {
        const std::wstring top = root + L"\\Album " + std::to_wstring(a);
        fill(top);
        for (int b = 0; b < 9; ++b)
            fill(top + L"\\CD " + std::to_wstring(b));
    }
}

// The baseline: every folder of the tree enumerated once, nothing kept but a count.
int walkPlain(vx::win32::Win32Files& files, const std::wstring& folder) {
    int count = 0;
    for (const auto& entry : files.list(folder))
        count += entry.directory ? walkPlain(files, folder + L"\\" + entry.name) : 1;
    return count;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 5;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"vx_bench_import";
    makeFolder(folder);

    vx::win32::Win32Files files;
    vx::win32::Win32System system;
    vx::win32::Win32Toolkit toolkit(L"Vextral bench");
    PlayerLists lists(toolkit);
    auto& display = *lists.display;
    auto& paths = *lists.paths;
    vx::Playlist playlist(display, paths, files, system, std::wstring(temp));

    std::vector<double> import, list;
    for (int r = 0; r < runs; ++r) {
        double t0 = nowMs();
        auto plain = files.list(folder);
        double t1 = nowMs();
        playlist.clear();
        auto found = vx::findMedia(files, folder);
        playlist.addMany(found.titles, found.paths);
        double t2 = nowMs();
        list.push_back(t1 - t0);
        import.push_back(t2 - t1);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    if (playlist.count() != 10000 || display.count() != 10000) {
        std::fprintf(stderr, "wrong count %d\n", playlist.count());
        return 1;
    }
    std::printf("%.1f %.1f %d\n", median(import), median(list), playlist.count());

    const std::wstring tree = std::wstring(temp) + L"vx_bench_tree";
    makeTree(tree);
    std::vector<double> walk, treeImport;
    for (int r = 0; r < runs; ++r) {
        double t0 = nowMs();
        const int plainCount = walkPlain(files, tree);
        double t1 = nowMs();
        playlist.clear();
        auto busy = toolkit.beginBusy();
        auto found = vx::findMediaTree(files, tree, [&busy] { return busy->cancelRequested(); });
        playlist.addMany(found.titles, found.paths);
        busy.reset();
        double t2 = nowMs();
        walk.push_back(t1 - t0);
        treeImport.push_back(t2 - t1);
        if (plainCount != 10000 || playlist.count() != 10000) {
            std::fprintf(stderr, "wrong tree count %d %d\n", plainCount, playlist.count());
            return 1;
        }
    }
    std::printf("%.1f %.1f %d\n", median(treeImport), median(walk), playlist.count());
    return 0;
}
