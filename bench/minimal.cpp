// The baseline: the smallest Win32 program with one visible window, built like Vextral.
#include <windows.h>

static LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(w, m, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"MinimalWindow", L"", WS_POPUP, 3, 748, 50, 24,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
