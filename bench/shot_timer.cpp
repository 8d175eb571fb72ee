// shot_timer: the screenshot's cost, Vextral's capture and write beside a naive per-pixel copy.
//
//   shot_timer RUNS FOLDER [NAIVE_COLUMNS]
//
// Prints three lines, "vextral MEDIAN_MS", "png MEDIAN_MS" and "naive MS COLUMNS WIDTH": the
// first is the median of RUNS captures of the whole primary screen written to
// FOLDER\vextral.bmp, the second the same written as FOLDER\vextral.png; the third reads
// the screen with one GetPixel per pixel, column after column, into a memory bitmap and writes
// it to FOLDER\naive.bmp. With NAIVE_COLUMNS the naive copy stops after that many columns (it
// takes minutes on a large screen) and its loop's time is scaled to the whole width.
// It joins the desktop named "shell" so both read the same screen.
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Screen.h"
#include "tools/Bmp.h"
#include "tools/ScreenShot.h"
#include "Clock.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using bench::nowMs;

// The copy the program used to make: GetPixel for every pixel, SetPixel into a bitmap, then
// the bitmap written as a file.
// Returns the milliseconds of the per-pixel loop alone.
double naiveCopy(const std::wstring& path, int columns) {
    using namespace vx::win32;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr);
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    SelectObjectScope selected(memory.get(), bitmap.get());
    const double start = nowMs();
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < height; ++y)
            SetPixelV(memory.get(), x, y, GetPixel(screen.get(), x, y));
    const double loop = nowMs() - start;
    vx::platform::Image image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 32;
    image.stride = width * 4;
    image.bottomUp = true;
    image.bits.resize(std::size_t(image.stride) * std::size_t(height));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory.get(), bitmap.get(), 0, UINT(height), image.bits.data(), &info, DIB_RGB_COLORS);
    Win32Files().writeAll(path, vx::bmp::fileBytes(image));
    return loop;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    for (int i = 0; i < 300; ++i) {
        if (HDESK desk = OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL); desk && SetThreadDesktop(desk))
            break;
        Sleep(50);
    }
    if (argc < 3)
        return 2;
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring folder = std::wstring(argv[2]) + L"\\";
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int columns = argc > 3 ? std::clamp(_wtoi(argv[3]), 1, width) : width;

    vx::win32::Win32Screen screen;
    vx::win32::Win32Files files;
    // The median time of a screenshot saved under `name`, whose ending picks the format.
    auto medianSave = [&](const wchar_t* name) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double start = nowMs();
            vx::saveScreenShot(screen, files, folder + name);
            times.push_back(nowMs() - start);
        }
        return bench::median(times);
    };
    std::printf("vextral %.2f\n", medianSave(L"vextral.bmp"));
    std::printf("png %.2f\n", medianSave(L"vextral.png"));
    if (std::getenv("VX_SHOT_PARTS")) {
        double t0 = nowMs();
        auto image = screen.capture();
        double t1 = nowMs();
        auto bytes = vx::bmp::fileBytes(image);
        double t2 = nowMs();
        files.writeAll(folder + L"parts.bmp", bytes);
        double t3 = nowMs();
        std::printf("capture %.2f layout %.2f write %.2f\n", t1 - t0, t2 - t1, t3 - t2);
    }

    const double start = nowMs();
    const double loop = naiveCopy(folder + L"naive.bmp", columns);
    const double total = nowMs() - start;
    // The loop scales with the columns read; the rest (bitmap, file) is paid once.
    std::printf("naive %.2f %d %d\n", total - loop + loop * width / columns, columns, width);
    return 0;
}
