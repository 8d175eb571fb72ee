// A stand-in for the shell's taskbar: a window of class "Shell_TrayWnd" along the screen's
// bottom (or at the given top) with a "Button" child as its Start button. When it starts it
// broadcasts "TaskbarCreated", as a restarted shell does; ending the process destroys it.
//
//   standin_taskbar [TOP]
#include <windows.h>
#include <cwchar>

static LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(w, m, wp, lp);
}

int wmain(int argc, wchar_t** argv) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = 20;
    const int top = argc > 1 ? _wtoi(argv[1]) : GetSystemMetrics(SM_CYSCREEN) - height;
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&wc);
    // Shown only once its Start button exists: a probe that waits for the visible taskbar then
    // always finds the button (on a cold start the button class loads slowly).
    HWND bar = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP, 0, top, width,
                               height, nullptr, nullptr, wc.hInstance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"Start", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, height, bar, nullptr,
                    wc.hInstance, nullptr);
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
