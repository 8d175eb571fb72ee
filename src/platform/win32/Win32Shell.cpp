#include "platform/win32/Win32Shell.h"
#include <windows.h>
#include <shellapi.h>

#include <vector>

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
    // A taskbar that draws its Start button itself has no window for it but that one: its
    // other children are its search, its apps, its clock, never the Start button.
    if (FindWindowExW(hwnd(taskbar), nullptr, ContentBridgeClass, nullptr))
        return 0;
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
    // The monitor it stands on: the one it shares the most with.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor)) {
        layout.monitor = dpi_.units(monitor.rcMonitor);
        layout.workArea = dpi_.units(monitor.rcWork);
    }
    return layout;
}

bool Win32Shell::sendStartMenuKeys() {
    // Keys the user holds would join in (Shift turns Ctrl+Esc into the task manager's keys):
    // those that are down are let go after Ctrl goes down, so that letting go of Alt or the
    // Windows key alone opens no menu, and pressed again at the end, all in one batch that no
    // other input comes between.
    struct Modifier {
        WORD key;
        bool extended;
    };
    static constexpr Modifier modifiers[] = {{VK_LSHIFT, false}, {VK_RSHIFT, false},
                                             {VK_LMENU, false},  {VK_RMENU, true},
                                             {VK_LWIN, true},    {VK_RWIN, true}};
    std::vector<INPUT> keys;
    auto add = [&keys](WORD key, bool up, bool extended = false) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        keys.push_back(input);
    };
    auto isDown = [](WORD key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    std::vector<Modifier> held;
    for (const Modifier& m : modifiers)
        if (isDown(m.key))
            held.push_back(m);
    const bool controlHeld = isDown(VK_LCONTROL);
    add(VK_LCONTROL, false);
    for (const Modifier& m : held)
        add(m.key, true, m.extended);
    const UINT escape = static_cast<UINT>(keys.size());
    add(VK_ESCAPE, false);
    add(VK_ESCAPE, true);
    if (!controlHeld) // a Ctrl the user holds stays down
        add(VK_LCONTROL, true);
    for (const Modifier& m : held)
        add(m.key, false, m.extended);
    // The count tells how many events went into the input stream: short of the Esc press when
    // another thread blocks input. Input that a window of higher integrity in front refuses is
    // dropped without a word: the count is the same then and nothing can tell it.
    return SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) > escape;
}

void Win32Shell::postStartMenuCommand(WindowId taskbar) {
    PostMessageW(hwnd(taskbar), WM_SYSCOMMAND, SC_TASKLIST, 0);
}

void Win32Shell::explore(WindowId owner, const std::wstring& path) {
    ShellExecuteW(hwnd(owner), L"explore", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace vx::win32
