#include "platform/win32/Win32Screen.h"
#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Png.h"
#include "platform/win32/Win32SystemActions.h"
#include <cstring>
#include <windows.h>

namespace vx::win32 {

platform::Image Win32Screen::capture() {
    platform::Image image;
    image.width = GetSystemMetrics(SM_CXSCREEN);
    image.height = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr);
    if (!screen.get())
        throw Error(systemErrorText(GetLastError()));
    // A 24- or 32-bit display is saved in its own depth. A display of fewer bits per pixel is
    // saved with 32, which holds every colour it shows and needs no colour table.
    image.bitsPerPixel = GetDeviceCaps(screen.get(), BITSPIXEL) == 24 ? 24 : 32;
    image.stride = (image.width * image.bitsPerPixel + 31) / 32 * 4;
    image.bottomUp = true; // a DIB of positive height stores its rows as a BMP file does

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(image.bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    if (!bitmap || !memory || !bits)
        throw Error(systemErrorText(GetLastError()));
    {
        SelectObjectScope selected(memory.get(), bitmap.get());
        // One transfer: every pixel as it was at the same instant. CAPTUREBLT takes layered
        // windows (tooltips, menus) too.
        if (!BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), 0, 0, SRCCOPY | CAPTUREBLT))
            throw Error(systemErrorText(GetLastError()));
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint8_t*>(bits);
    image.bits.assign(first, first + std::size_t(image.stride) * std::size_t(image.height));
    return image;
}

std::vector<std::uint8_t> Win32Screen::encodePng(const platform::Image& image) { return win32::encodePng(image); }

bool Win32Screen::copyToClipboard(const std::vector<std::uint8_t>& packedDib) { return putDibOnClipboard(packedDib); }

} // namespace vx::win32
