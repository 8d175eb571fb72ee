// A stand-in for the shell's taskbar, for the end-to-end tests: a window of class "Shell_TrayWnd"
// with the children the shell's taskbars have. When it starts it broadcasts "TaskbarCreated", as
// a restarted shell does; ending the process destroys it.
//
//   standin_taskbar [TOP]            20 high along the bottom (or at TOP), a "Button" child as
//                                    its Start button
//   standin_taskbar classic [EDGE [THICKNESS]]
//                                    a taskbar whose first child is a Start window that hides:
//                                    EDGE bottom (default), top, left or right; THICKNESS in
//                                    pixels (40, or 62 at a side)
//   standin_taskbar drawn            48 high at the bottom; the Start button is drawn, among the
//                                    apps, by one child laid over the whole taskbar, centred
//                                    unless TaskbarAl is 0; the Start window under it only marks
//                                    where the drawn button is, paints nothing and opens nothing
//   standin_taskbar drawn nostart    the same without the Start window
//
// Commands, sent to the taskbar window (vxprobe send Shell_TrayWnd MESSAGE WPARAM LPARAM):
//   WM_APP+1  EDGE THICKNESS   moves it to an edge (0 bottom, 1 top, 2 left, 3 right)
//   WM_APP+2  1 or 0           auto-hides it (two pixels stay on the screen) or shows it again
//   WM_APP+3  N                shows N app buttons (a centred Start button moves)
//   WM_APP+4  0 or 1           answers the roads to the Start menu taken so far, as bits: 1 a
//                              press on the Start window, 2 Ctrl+Esc, 4 SC_TASKLIST; 1 also
//                              forgets them
//   WM_SETTINGCHANGE           reads TaskbarAl again
#include <windows.h>
#include <cwchar>
#include <string>

namespace {

enum class Kind { Plain, Classic, Drawn };
enum Edge { Bottom, Top, Left, Right };
enum Road { StartPressed = 1, CtrlEsc = 2, TaskList = 4 };

constexpr UINT CmdEdge = WM_APP + 1, CmdAutoHide = WM_APP + 2, CmdApps = WM_APP + 3, CmdRoads = WM_APP + 4;
constexpr int HotKeyId = 1;
constexpr int ItemSize = 44; // a drawn button along the taskbar
constexpr COLORREF DarkFace = RGB(32, 32, 32), LightFace = RGB(238, 238, 240);

struct Taskbar {
    Kind kind = Kind::Plain;
    Edge edge = Bottom;
    int thickness = 20;
    int plainTop = -1; // the plain taskbar's top, when given
    bool hidden = false;
    bool leftAligned = false;
    bool noStart = false;
    int apps = 3;
    int roads = 0;
    bool startPressed = false;
    HWND window = nullptr;
    HWND start = nullptr, trayButton = nullptr, search = nullptr, rebar = nullptr, taskSwitch = nullptr,
         taskList = nullptr, notify = nullptr, bridge = nullptr;
} bar;

bool vertical() { return bar.edge == Left || bar.edge == Right; }

int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

bool readLeftAligned() {
    DWORD value = 1, size = sizeof(value);
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                                        L"TaskbarAl", RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status == ERROR_SUCCESS && value == 0;
}

// The drawn Start button: after the widgets button, at the left end, or centred with the apps.
RECT drawnStart(int length) {
    const int items = 2 + bar.apps; // Start, search and the apps
    const int left = bar.leftAligned ? 12 : (length - items * ItemSize) / 2;
    return RECT{left, 0, left + ItemSize, bar.thickness};
}

// A piece along the taskbar: `from` and `to` along it, across its whole thickness.
void placeAlong(HWND w, int from, int to) {
    if (vertical())
        MoveWindow(w, 0, from, bar.thickness, to - from, TRUE);
    else
        MoveWindow(w, from, 0, to - from, bar.thickness, TRUE);
}

void layout() {
    const int sw = screenWidth(), sh = screenHeight(), t = bar.thickness;
    RECT r{0, sh - t, sw, sh};
    if (bar.kind == Kind::Plain && bar.plainTop >= 0)
        r = RECT{0, bar.plainTop, sw, bar.plainTop + t};
    else if (bar.edge == Top)
        r = RECT{0, 0, sw, t};
    else if (bar.edge == Left)
        r = RECT{0, 0, t, sh};
    else if (bar.edge == Right)
        r = RECT{sw - t, 0, sw, sh};
    if (bar.hidden) { // slid off the screen but for two pixels
        const int off = t - 2;
        OffsetRect(&r, bar.edge == Left ? -off : bar.edge == Right ? off : 0,
                   bar.edge == Top ? -off : bar.edge == Bottom ? off : 0);
    }
    SetWindowPos(bar.window, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    if (bar.kind == Kind::Plain)
        return;
    const int length = vertical() ? sh : sw;
    if (bar.kind == Kind::Drawn) {
        const RECT start = drawnStart(length);
        MoveWindow(bar.start, start.left, 0, start.right - start.left, t, TRUE);
        MoveWindow(bar.bridge, 0, 0, r.right - r.left, r.bottom - r.top, TRUE);
        InvalidateRect(bar.bridge, nullptr, TRUE);
    } else {
        placeAlong(bar.start, 0, 48);
    }
    placeAlong(bar.trayButton, 48, 96);
    placeAlong(bar.search, 96, vertical() ? 144 : 296);
    placeAlong(bar.rebar, vertical() ? 144 : 296, length - 120);
    placeAlong(bar.notify, length - 120, length);
    RECT inner{};
    GetClientRect(bar.rebar, &inner);
    MoveWindow(bar.taskSwitch, 0, 0, inner.right, inner.bottom, TRUE);
    MoveWindow(bar.taskList, 0, 0, inner.right, inner.bottom, TRUE);
    InvalidateRect(bar.window, nullptr, TRUE);
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// Four panes, the shell's Start sign, centred in `r`.
void drawStartSign(HDC dc, const RECT& r, COLORREF colour) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    for (int pane = 0; pane < 4; ++pane) {
        const int x = cx - 8 + (pane % 2) * 9, y = cy - 8 + (pane / 2) * 9;
        fill(dc, RECT{x, y, x + 7, y + 7}, colour);
    }
}

// App buttons, one after the other from `from` along the taskbar.
void drawApps(HDC dc, int from, int count) {
    static const COLORREF colours[] = {RGB(240, 190, 50), RGB(60, 140, 230), RGB(90, 180, 90), RGB(220, 80, 70),
                                       RGB(150, 100, 200), RGB(80, 190, 190)};
    for (int i = 0; i < count; ++i) {
        const int at = from + i * ItemSize + (ItemSize - 24) / 2, across = (bar.thickness - 24) / 2;
        const RECT r = vertical() ? RECT{across, at, across + 24, at + 24} : RECT{at, across, at + 24, across + 24};
        fill(dc, r, colours[i % 6]);
    }
}

void paint(HWND w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT r{};
    GetClientRect(w, &r);
    const bool drawn = bar.kind == Kind::Drawn;
    if (w == bar.start && !drawn) {
        fill(dc, r, bar.startPressed ? RGB(70, 70, 70) : DarkFace);
        drawStartSign(dc, r, RGB(255, 255, 255));
    } else if (w == bar.search) {
        InflateRect(&r, -4, -6);
        fill(dc, r, RGB(90, 90, 90));
    } else if (w == bar.taskList) {
        drawApps(dc, 0, bar.apps);
    } else if (w == bar.notify) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, L"12:00", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else if (w == bar.bridge) {
        fill(dc, r, LightFace);
        const int length = vertical() ? r.bottom : r.right;
        const RECT start = drawnStart(length);
        drawStartSign(dc, start, RGB(0, 103, 192));
        const RECT searchSign{start.right + 14, (bar.thickness - 16) / 2, start.right + 30, (bar.thickness + 16) / 2};
        fill(dc, searchSign, RGB(120, 120, 120));
        drawApps(dc, start.right + ItemSize, bar.apps);
        if (!bar.leftAligned) // the widgets button stands at the left end while the apps are centred
            fill(dc, RECT{14, (bar.thickness - 20) / 2, 34, (bar.thickness + 20) / 2}, RGB(250, 200, 60));
        RECT clock{length - 80, 0, length, bar.thickness};
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"12:00", -1, &clock, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(w, &ps);
}

LRESULT CALLBACK pieceProcedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_PAINT: paint(w); return 0;
    case WM_ERASEBKGND: {
        if (bar.kind == Kind::Drawn)
            return 1; // under the bridge nothing of the old pieces shows
        RECT r{};
        GetClientRect(w, &r);
        fill(reinterpret_cast<HDC>(wp), r, DarkFace);
        return 1;
    }
    case WM_LBUTTONDOWN:
        if (w == bar.start) {
            // The classic Start button opens the Start menu on a press; the one under a drawn
            // Start button takes the press and does nothing.
            bar.roads |= StartPressed;
            bar.startPressed = bar.kind == Kind::Classic;
            InvalidateRect(w, nullptr, TRUE);
            return 0;
        }
        break;
    case BM_GETSTATE: // the probe asks the Start button whether it was pressed
        return bar.startPressed ? BST_PUSHED : 0;
    default: break;
    }
    return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK taskbarProcedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_HOTKEY:
        if (wp == HotKeyId)
            bar.roads |= CtrlEsc;
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_TASKLIST) {
            bar.roads |= TaskList;
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
        bar.leftAligned = readLeftAligned();
        layout();
        return 0;
    case CmdEdge:
        bar.edge = Edge(wp);
        bar.thickness = int(lp);
        layout();
        return 0;
    case CmdAutoHide:
        bar.hidden = wp != 0;
        layout();
        return 0;
    case CmdApps:
        bar.apps = int(wp);
        layout();
        return 0;
    case CmdRoads: {
        const int roads = bar.roads;
        if (wp)
            bar.roads = 0;
        return roads;
    }
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(w, &r);
        fill(reinterpret_cast<HDC>(wp), r, bar.kind == Kind::Drawn ? LightFace : DarkFace);
        return 1;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(w, m, wp, lp);
}

HWND piece(const wchar_t* cls, const wchar_t* text, HWND parent) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 1, 1, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void makePieces() {
    for (const wchar_t* cls : {L"Start", L"TrayButton", L"TrayDummySearchControl", L"ReBarWindow32", L"MSTaskSwWClass",
                               L"MSTaskListWClass", L"TrayNotifyWnd", L"Windows.UI.Composition.DesktopWindowContentBridge"})
        registerClass(cls, pieceProcedure);
    // Made in the shell's order: the Start window is the taskbar's first child.
    if (!bar.noStart)
        bar.start = piece(L"Start", L"Start", bar.window);
    bar.trayButton = piece(L"TrayButton", L"", bar.window);
    bar.search = piece(L"TrayDummySearchControl", L"", bar.window);
    bar.rebar = piece(L"ReBarWindow32", L"", bar.window);
    bar.taskSwitch = piece(L"MSTaskSwWClass", L"", bar.rebar);
    bar.taskList = piece(L"MSTaskListWClass", L"", bar.taskSwitch);
    bar.notify = piece(L"TrayNotifyWnd", L"", bar.window);
    if (bar.kind == Kind::Drawn) {
        // Over everything else, last in the children's list and first in their order on screen.
        bar.bridge = piece(L"Windows.UI.Composition.DesktopWindowContentBridge", L"DesktopWindowXamlSource", bar.window);
        SetWindowPos(bar.bridge, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

Edge edgeNamed(const wchar_t* name) {
    if (!wcscmp(name, L"top"))
        return Top;
    if (!wcscmp(name, L"left"))
        return Left;
    if (!wcscmp(name, L"right"))
        return Right;
    return Bottom;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    SetProcessDPIAware();
    const std::wstring kind = argc > 1 ? argv[1] : L"";
    if (kind == L"classic") {
        bar.kind = Kind::Classic;
        bar.edge = argc > 2 ? edgeNamed(argv[2]) : Bottom;
        bar.thickness = argc > 3 ? _wtoi(argv[3]) : vertical() ? 62 : 40;
    } else if (kind == L"drawn") {
        bar.kind = Kind::Drawn;
        bar.thickness = 48;
        bar.leftAligned = readLeftAligned();
        bar.noStart = argc > 2 && !wcscmp(argv[2], L"nostart");
    } else if (argc > 1) {
        bar.plainTop = _wtoi(argv[1]);
    }
    registerClass(L"Shell_TrayWnd", taskbarProcedure);
    // Shown only once its Start button exists: a probe that waits for the visible taskbar then
    // always finds the button (on a cold start the button class loads slowly).
    bar.window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP | WS_CLIPCHILDREN,
                                 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (bar.kind == Kind::Plain)
        CreateWindowExW(0, L"BUTTON", L"Start", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20, bar.window,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    else
        makePieces();
    RegisterHotKey(bar.window, HotKeyId, MOD_CONTROL, VK_ESCAPE);
    layout();
    ShowWindow(bar.window, SW_SHOWNOACTIVATE);
    SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
