#include "platform/win32/ui/Win32ProgressBar.h"
#include "platform/win32/ui/Win32Form.h"
#include <commctrl.h>

namespace vx::win32 {

Win32ProgressBar::Win32ProgressBar(Win32Form& form, const ui::ProgressBarSpec& params) : form_(form), id_(params.id) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | (params.smooth ? PBS_SMOOTH : 0);
    hwnd_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, style, r.left, r.top, width, height, form.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)), GetModuleHandleW(nullptr),
                            nullptr);
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, 100);
    SendMessageW(hwnd_, PBM_SETSTEP, 1, 0);
}

Win32ProgressBar::~Win32ProgressBar() { DestroyWindow(hwnd_); }

void Win32ProgressBar::setMax(int max) { SendMessageW(hwnd_, PBM_SETRANGE32, 0, max); }

int Win32ProgressBar::max() const { return int(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0)); }

void Win32ProgressBar::setPosition(int position) { SendMessageW(hwnd_, PBM_SETPOS, WPARAM(position), 0); }

int Win32ProgressBar::position() const { return int(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }

void Win32ProgressBar::repaint() {
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void Win32ProgressBar::setHint(const std::wstring& hint) {
    hint_ = hint;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = form_.hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = const_cast<wchar_t*>(hint_.c_str());
    HWND tip = form_.tooltip();
    if (toolAdded_)
        SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    else
        toolAdded_ = SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

} // namespace vx::win32
