// The floor for the start-up figure: the smallest program with Vextral's own needs at start, built
// like it. The same manifest (visual styles through common controls 6, DPI awareness), the common
// controls initialised for the same classes, then one visible window.
#include <windows.h>
#include <commctrl.h>

static LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(w, m, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = L"FloorWindow";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"FloorWindow", L"", WS_POPUP, 3, 748, 50, 24,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
