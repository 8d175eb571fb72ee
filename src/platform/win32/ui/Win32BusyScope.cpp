#include "platform/win32/ui/Win32BusyScope.h"

namespace vx::win32 {

Win32BusyScope::Win32BusyScope()
    : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))), lastLook_(GetTickCount()) {}

Win32BusyScope::~Win32BusyScope() {
    // The cursor the window under the mouse wants comes back with the next mouse message.
    SetCursor(previous_);
}

bool Win32BusyScope::cancelRequested() {
    if (cancelled_)
        return true;
    const DWORD now = GetTickCount();
    if (now - lastLook_ < LookEveryMs)
        return false;
    lastLook_ = now;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
        DispatchMessageW(&msg);
    // Keys typed meanwhile are taken from the queue: Escape among them stops the work, the
    // others are dropped rather than acted on later in a dialog that has moved on.
    while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            cancelled_ = true;
    return cancelled_;
}

} // namespace vx::win32
