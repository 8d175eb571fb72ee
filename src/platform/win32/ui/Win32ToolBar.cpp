#include "platform/win32/ui/Win32ToolBar.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <windowsx.h>

namespace vx::win32 {

namespace {
// The raised inner and outer edges take two pixels on every side of the bar.
constexpr int EdgeWidth = 2;
constexpr int GlyphSize = 16;
} // namespace

// ---- tool button ----

Win32ToolButton::Win32ToolButton(Win32Form& form, HWND bar, const ui::ToolButtonSpec& params, const RECT& place)
    : form_(form), bar_(bar), params_(params) {
    registerClass(L"TToolButton");
    createWindow(L"TToolButton", 0, WS_CHILD | WS_VISIBLE, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, bar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                 params.hint.empty() ? params.name.c_str() : params.hint.c_str());
    if (!params_.hint.empty()) {
        TTTOOLINFOW info = toolInfo();
        toolAdded_ = SendMessageW(form_.tooltip(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
}

Win32ToolButton::~Win32ToolButton() {
    if (toolAdded_ && hwnd()) {
        TTTOOLINFOW info = toolInfo();
        SendMessageW(form_.tooltip(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

TTTOOLINFOW Win32ToolButton::toolInfo() {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = bar_;
    info.uId = reinterpret_cast<UINT_PTR>(hwnd());
    info.lpszText = const_cast<wchar_t*>(params_.hint.c_str());
    return info;
}

void Win32ToolButton::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT r{};
    GetClientRect(hwnd(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const bool down = pressed_ && hot_;
    if (down)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int shift = down ? 1 : 0;
    const int size = form_.dpi().px(GlyphSize);
    paintGlyph(dc, params_.glyph, (r.right - size) / 2 + shift, (r.bottom - size) / 2 + shift, form_.dpi());
    EndPaint(hwnd(), &ps);
}

void Win32ToolButton::setHot(bool hot) {
    if (hot == hot_)
        return;
    hot_ = hot;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool Win32ToolButton::inside(LPARAM lParam) const {
    RECT r{};
    GetClientRect(hwnd(), &r);
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&r, p) != 0;
}

void Win32ToolButton::mouseDown(ui::MouseButton button) {
    if (onMouseDown)
        form_.toolkit().dispatch([&] { onMouseDown(button); });
}

LRESULT Win32ToolButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE:
        setHot(inside(lParam));
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd(), 0};
            tracking_ = TrackMouseEvent(&tme) != 0;
        }
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        setHot(false);
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        hot_ = true;
        SetCapture(hwnd());
        InvalidateRect(hwnd(), nullptr, FALSE);
        mouseDown(ui::MouseButton::Left);
        return 0;
    case WM_LBUTTONUP: {
        // The click completes on release, and only over the button that was pressed.
        const bool click = pressed_ && inside(lParam);
        pressed_ = false;
        if (GetCapture() == hwnd())
            ReleaseCapture();
        InvalidateRect(hwnd(), nullptr, FALSE);
        if (click && onClick)
            form_.toolkit().dispatch(onClick);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressed_) {
            pressed_ = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_RBUTTONDOWN: mouseDown(ui::MouseButton::Right); return 0;
    case WM_MBUTTONDOWN: mouseDown(ui::MouseButton::Middle); return 0;
    default: break;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

// ---- tool bar ----

Win32ToolBar::Win32ToolBar(Win32Form& form, const ui::ToolBarSpec& params) : form_(form), params_(params) {
    registerClass(L"TToolBar");
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    createWindow(L"TToolBar", 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left, r.top, width, height,
                 form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)));
}

ui::ToolButton& Win32ToolBar::addButton(const ui::ToolButtonSpec& params) {
    const int top = EdgeWidth + int(buttons_.size()) * params_.buttonHeight;
    const RECT place = form_.place(Rect{EdgeWidth, top, params_.buttonWidth, params_.buttonHeight});
    buttons_.push_back(std::make_unique<Win32ToolButton>(form_, hwnd(), params, place));
    return *buttons_.back();
}

LRESULT Win32ToolBar::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        // Transparent: the form paints its own background under the bar first.
        HDC dc = reinterpret_cast<HDC>(wParam);
        POINT origin{0, 0};
        MapWindowPoints(hwnd(), GetParent(hwnd()), &origin, 1);
        POINT old{};
        OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
        SendMessageW(GetParent(hwnd()), WM_ERASEBKGND, wParam, 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        RECT r{};
        GetClientRect(hwnd(), &r);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    case WM_SETCURSOR:
        // The buttons pass the question on to the bar, so the hand shows over all of it.
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    default: break;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

} // namespace vx::win32
