// The baselines of the start-up figure, built like Vextral: the smallest Win32 program with one
// visible window ("minimal"), and, built with VX_FLOOR, the floor: the same program with
// Vextral's own needs at start, its manifest (visual styles through common controls 6, DPI
// awareness, from floor.rc) and the common controls initialised for the same classes.
//
// Given a number N, the window runs N timers of one second, each finding the taskbar and
// reading its rectangle at every tick: the wake-ups of a program that polls the taskbar once a
// second (bench/idle.sh). Given a file, it plays it through MCI and does nothing else: what any
// program costs while a track plays (bench/idle.sh). winmm is loaded only then, so the start-up
// figures of the bare window stay bare.
#include <cstdlib>
#include <cwctype>
#include <windows.h>
#ifdef VX_FLOOR
#include <commctrl.h>
#endif

static LRESULT CALLBACK procedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_TIMER) {
        RECT r;
        GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &r);
        return 0;
    }
    if (m == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(w, m, wp, lp);
}

static void play(const wchar_t* file) {
    using Send = DWORD(WINAPI*)(LPCWSTR, LPWSTR, UINT, HWND);
    auto send = reinterpret_cast<Send>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"winmm.dll"), "mciSendStringW")));
    wchar_t open[MAX_PATH + 32];
    wsprintfW(open, L"open \"%s\" alias track", file);
    if (!send || send(open, nullptr, 0, nullptr) || send(L"play track", nullptr, 0, nullptr))
        ExitProcess(1);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
#ifdef VX_FLOOR
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
#endif
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"MinimalWindow", L"", WS_POPUP, 3, 748, 50, 24,
                             nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    if (arguments && *arguments && !iswdigit(*arguments))
        play(arguments);
    for (int t = 0, timers = arguments ? _wtoi(arguments) : 0; t < timers; ++t)
        SetTimer(w, UINT_PTR(t + 1), 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
