#include "platform/win32/ui/Win32Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <commctrl.h>
#include <windowsx.h>

namespace vx::win32 {

// ---- speed button ----

Win32SpeedButton::Win32SpeedButton(Win32Form& form, const ui::ControlSpec& params) : form_(form), id_(params.id) {
    registerClass(L"TSpeedButton");
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    createWindow(L"TSpeedButton", 0, WS_CHILD | WS_VISIBLE, r.left, r.top, width, height, form.hwnd(),
                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)));
}

void Win32SpeedButton::setGlyph(ui::Glyph glyph) {
    glyph_ = glyph;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void Win32SpeedButton::setHint(const std::wstring& hint) {
    hint_ = hint;
    SetWindowTextW(hwnd(), hint.c_str());
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = form_.hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(hwnd());
    info.lpszText = const_cast<wchar_t*>(hint_.c_str());
    HWND tip = form_.tooltip();
    if (hint.empty()) {
        if (toolAdded_)
            SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        toolAdded_ = false;
    } else if (toolAdded_) {
        SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        toolAdded_ = SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
}

void Win32SpeedButton::mouseDown(ui::MouseButton button) {
    if (onMouseDown)
        form_.toolkit().dispatch([&] { onMouseDown(button); });
}

void Win32SpeedButton::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT r{};
    GetClientRect(hwnd(), &r);
    FillRect(dc, &r, form_.faceBrush());
    if (pressed_ && hot_)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ || pressed_)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int shift = pressed_ && hot_ ? 1 : 0;
    const int size = form_.dpi().px(16);
    paintGlyph(dc, glyph_, (r.right - size) / 2 + shift, (r.bottom - size) / 2 + shift, form_.dpi(),
               IsWindowEnabled(hwnd()) != 0);
    EndPaint(hwnd(), &ps);
}

LRESULT Win32SpeedButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: {
        RECT r{};
        GetClientRect(hwnd(), &r);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        bool inside = PtInRect(&r, p) != 0;
        if (inside != hot_) {
            hot_ = inside;
            InvalidateRect(hwnd(), nullptr, FALSE);
        }
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd(), 0};
            tracking_ = TrackMouseEvent(&tme) != 0;
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        hot_ = false;
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        hot_ = true;
        SetCapture(hwnd());
        InvalidateRect(hwnd(), nullptr, FALSE);
        mouseDown(ui::MouseButton::Left);
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = pressed_;
        pressed_ = false;
        if (GetCapture() == hwnd())
            ReleaseCapture();
        RECT r{};
        GetClientRect(hwnd(), &r);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        InvalidateRect(hwnd(), nullptr, FALSE);
        if (wasPressed && PtInRect(&r, p) && onClick)
            form_.toolkit().dispatch(onClick);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressed_) {
            pressed_ = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: mouseDown(ui::MouseButton::Right); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: mouseDown(ui::MouseButton::Middle); return 0;
    case WM_RBUTTONUP:
        if (popup_) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd(), &p);
            static_cast<Win32PopupMenu*>(popup_)->popupAtPixels(p.x, p.y);
        }
        return 0;
    default: break;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

// ---- label ----

Win32Label::Win32Label(Win32Form& form, const ui::ControlSpec& params, const std::wstring& text)
    : font_(form.fontFor(params.font)), id_(params.id) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    hwnd_ = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, r.left, r.top,
                            width, height, form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    form.setChildColours(hwnd_, colourRef(params.font.colour));
    fitText(text);
}

void Win32Label::fitText(const std::wstring& text) {
    HDC dc = GetDC(hwnd_);
    SIZE size{};
    {
        SelectObjectScope font(dc, font_);
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    }
    ReleaseDC(hwnd_, dc);
    RECT r{};
    GetClientRect(hwnd_, &r);
    if (size.cx > r.right)
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Label::~Win32Label() { DestroyWindow(hwnd_); }

void Win32Label::setText(const std::wstring& text) {
    fitText(text);
    SetWindowTextW(hwnd_, text.c_str());
}

std::wstring Win32Label::text() const {
    std::wstring text(std::size_t(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(hwnd_, text.data(), int(text.size()))));
    return text;
}

// ---- popup menu ----

Win32PopupMenu::Win32PopupMenu(Win32Form& form) : form_(form), menu_(CreatePopupMenu()) {}

int Win32PopupMenu::addItem(const std::wstring& caption, std::function<void()> onClick) {
    const int index = int(handlers_.size());
    if (caption == L"-")
        AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuW(menu_.get(), MF_STRING, UINT_PTR(index + 1), caption.c_str());
    handlers_.push_back(std::move(onClick));
    return index;
}

void Win32PopupMenu::setChecked(int index, bool checked) {
    CheckMenuItem(menu_.get(), UINT(index), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32PopupMenu::checked(int index) const {
    return (GetMenuState(menu_.get(), UINT(index), MF_BYPOSITION) & MF_CHECKED) != 0;
}

void Win32PopupMenu::popupAt(int x, int y) { popupAtPixels(form_.dpi().px(x), form_.dpi().px(y)); }

void Win32PopupMenu::popupAtPixels(int x, int y) {
    // The owner must be the foreground window, or the menu would not close when the user
    // clicks elsewhere.
    HWND owner = form_.hwnd();
    SetForegroundWindow(owner);
    int chosen = int(TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y,
                                    0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen > 0 && chosen <= int(handlers_.size()) && handlers_[std::size_t(chosen - 1)])
        form_.toolkit().dispatch(handlers_[std::size_t(chosen - 1)]);
}

// ---- timer ----

Win32Timer::Win32Timer(Win32Form& form, UINT_PTR id, int intervalMs, std::function<void()> onTick)
    : form_(form), id_(id), interval_(intervalMs), onTick_(std::move(onTick)) {
    setEnabled(true);
}

void Win32Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        SetTimer(form_.hwnd(), id_, UINT(interval_), nullptr);
    else
        KillTimer(form_.hwnd(), id_);
}

void Win32Timer::fire(UINT_PTR id) {
    if (id != id_ || running_ || !enabled_)
        return;
    running_ = true;
    form_.toolkit().dispatch(onTick_);
    running_ = false;
}

} // namespace vx::win32
