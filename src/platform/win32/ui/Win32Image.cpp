#include "platform/win32/ui/Win32Image.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <windowsx.h>

namespace vx::win32 {

Win32Image::Win32Image(Win32Form& form, const ui::ImageSpec& params)
    : form_(form), id_(params.id), width_(params.width), height_(params.height),
      pixels_(params.pixels), parts_(params.buttons) {
    pixels_.resize(std::size_t(width_) * std::size_t(height_));
    registerClass(L"TImage");
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    createWindow(L"TImage", 0, WS_CHILD | WS_VISIBLE, r.left, r.top, width, height, form.hwnd(),
                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)));
    for (const auto& part : params.buttons) {
        const RECT b = form.place(part.rect);
        HWND button = CreateWindowExW(0, L"BUTTON", part.name.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                      b.left, b.top, b.right - b.left, b.bottom - b.top, hwnd(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(part.id)), GetModuleHandleW(nullptr),
                                      nullptr);
        SetWindowLongPtrW(button, GWLP_USERDATA, GetWindowLongPtrW(button, GWLP_WNDPROC));
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Image::buttonProc));
        buttons_.push_back(button);
    }
}

Win32Image::~Win32Image() {
    for (HWND button : buttons_)
        DestroyWindow(button);
}

LRESULT CALLBACK Win32Image::buttonProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    // The press goes to the picture beneath, which reports it with its own point.
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_USERDATA));
    return CallWindowProcW(original, w, message, wParam, lParam);
}

void Win32Image::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    drawPixels(dc, 0, 0);
    EndPaint(hwnd(), &ps);
}

void Win32Image::drawPixels(HDC dc, int x, int y) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Grown by whole source pixels, without smoothing, so the picture stays crisp at any scale.
    const DpiScale& dpi = form_.dpi();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, dpi.px(width_), dpi.px(height_), 0, 0, width_, height_, pixels_.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

LRESULT Win32Image::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_DRAWITEM: {
        // A button draws its part of the picture: the whole picture, shifted to its place.
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        POINT origin{0, 0};
        MapWindowPoints(item->hwndItem, hwnd(), &origin, 1);
        drawPixels(item->hDC, -origin.x, -origin.y);
        return TRUE;
    }
    case WM_COMMAND: {
        // The mouse never reaches the buttons, so a click they report was made from outside: a
        // screen reader's default action or an automation tool sends BM_CLICK. It acts as a left
        // press at the middle of the button's part.
        if (HIWORD(wParam) != BN_CLICKED || !onMouseDown)
            return 0;
        for (const auto& part : parts_)
            if (part.id == int(LOWORD(wParam))) {
                const int x = part.rect.left + part.rect.width / 2,
                          y = part.rect.top + part.rect.height / 2;
                form_.toolkit().dispatch([&] { onMouseDown(ui::MouseShift{true, false}, x, y); });
            }
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        if (!onMouseDown)
            return 0;
        const ui::MouseShift shift{(wParam & MK_LBUTTON) != 0, (wParam & MK_RBUTTON) != 0};
        // Reported in the picture's own pixels, whatever the screen's scale.
        const int x = form_.dpi().units(GET_X_LPARAM(lParam)), y = form_.dpi().units(GET_Y_LPARAM(lParam));
        form_.toolkit().dispatch([&] { onMouseDown(shift, x, y); });
        return 0;
    }
    default: return WindowBase::onMessage(message, wParam, lParam);
    }
}

} // namespace vx::win32
