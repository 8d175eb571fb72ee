#include "platform/win32/ui/Win32Image.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <windowsx.h>

namespace vx::win32 {

Win32Image::Win32Image(Win32Form& form, const ui::ImageSpec& params)
    : form_(form), id_(params.id), width_(params.width), height_(params.height), pixels_(params.pixels) {
    pixels_.resize(std::size_t(width_) * std::size_t(height_));
    registerClass(L"TImage");
    const auto& r = params.rect;
    createWindow(L"TImage", 0, WS_CHILD | WS_VISIBLE, r.left, r.top, r.width, r.height, form.hwnd(),
                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)));
}

void Win32Image::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, DWORD(width_), DWORD(height_), 0, 0, 0, UINT(height_), pixels_.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(hwnd(), &ps);
}

LRESULT Win32Image::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        if (!onMouseDown)
            return 0;
        const ui::MouseShift shift{(wParam & MK_LBUTTON) != 0, (wParam & MK_RBUTTON) != 0};
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        form_.toolkit().dispatch([&] { onMouseDown(shift, x, y); });
        return 0;
    }
    default: return WindowBase::onMessage(message, wParam, lParam);
    }
}

} // namespace vx::win32
