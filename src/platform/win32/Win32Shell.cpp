#include "platform/win32/Win32Shell.h"
#include <windows.h>
#include <shellapi.h>

namespace vx::win32 {

namespace {
HWND hwnd(WindowId w) { return reinterpret_cast<HWND>(w); }
WindowId id(HWND w) { return reinterpret_cast<WindowId>(w); }
} // namespace

WindowId Win32Shell::findTaskbar() { return id(FindWindowW(L"Shell_TrayWnd", nullptr)); }

WindowId Win32Shell::firstForeignChild(WindowId taskbar) {
    const DWORD self = GetCurrentProcessId();
    for (HWND child = GetWindow(hwnd(taskbar), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(child, &owner);
        if (owner != self)
            return id(child);
    }
    return 0;
}

bool Win32Shell::isVisible(WindowId window) { return IsWindowVisible(hwnd(window)) != 0; }

void Win32Shell::show(WindowId window, bool visible) { ShowWindow(hwnd(window), visible ? SW_SHOWNORMAL : SW_HIDE); }

bool Win32Shell::hasCapture(WindowId window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    DWORD thread = GetWindowThreadProcessId(hwnd(window), nullptr);
    return thread && GetGUIThreadInfo(thread, &info) && info.hwndCapture == hwnd(window);
}

void Win32Shell::pressButton(WindowId button) { SendMessageW(hwnd(button), WM_LBUTTONDOWN, MK_LBUTTON, 5); }

void Win32Shell::explore(WindowId owner, const std::wstring& path) {
    ShellExecuteW(hwnd(owner), L"explore", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace vx::win32
