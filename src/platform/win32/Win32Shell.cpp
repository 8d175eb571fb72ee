#include "platform/win32/Win32Shell.h"
#include <windows.h>
#include <shellapi.h>

namespace vx::win32 {

namespace {
HWND hwnd(WindowId w) { return reinterpret_cast<HWND>(w); }
WindowId id(HWND w) { return reinterpret_cast<WindowId>(w); }
} // namespace

WindowId Win32Shell::findTaskbar() { return id(FindWindowW(L"Shell_TrayWnd", nullptr)); }

WindowId Win32Shell::startWindow(WindowId taskbar) {
    // The shell's own Start window goes by its class; other shells' taskbars (Wine's) make their
    // Start button the first child. The bar docked as a child comes first then: it is passed over.
    if (HWND start = FindWindowExW(hwnd(taskbar), nullptr, L"Start", nullptr))
        return id(start);
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

std::optional<platform::TaskbarLayout> Win32Shell::taskbarLayout(WindowId taskbar, WindowId start) {
    HWND bar = hwnd(taskbar);
    RECT client{};
    if (!IsWindow(bar) || !GetClientRect(bar, &client))
        return std::nullopt;
    MapWindowPoints(bar, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    platform::TaskbarLayout layout;
    layout.bounds = dpi_.units(client);
    RECT button{};
    if (start && IsWindow(hwnd(start)) && GetWindowRect(hwnd(start), &button)) {
        MapWindowPoints(HWND_DESKTOP, bar, reinterpret_cast<POINT*>(&button), 2);
        layout.start = dpi_.units(button);
    }
    layout.startDrawn = FindWindowExW(bar, nullptr, ContentBridgeClass, nullptr) != nullptr;
    return layout;
}

bool Win32Shell::sendStartMenuKeys() {
    INPUT keys[4]{};
    const WORD order[4] = {VK_CONTROL, VK_ESCAPE, VK_ESCAPE, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    // Refused on a desktop that takes no input from this program (a secure desktop, a window of
    // higher integrity in front).
    return SendInput(4, keys, sizeof(INPUT)) == 4;
}

void Win32Shell::postStartMenuCommand(WindowId taskbar) {
    PostMessageW(hwnd(taskbar), WM_SYSCOMMAND, SC_TASKLIST, 0);
}

void Win32Shell::explore(WindowId owner, const std::wstring& path) {
    ShellExecuteW(hwnd(owner), L"explore", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace vx::win32
