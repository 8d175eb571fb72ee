#include "platform/win32/Handles.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;

namespace {

std::unique_ptr<ui::Form> dialog(win32::Win32Toolkit& toolkit, const wchar_t* cls, int border) {
    ui::FormSpec params;
    params.windowClass = cls;
    params.clientWidth = 116;
    params.clientHeight = 88;
    params.borderWidth = border;
    params.background = ui::Colour::rgb(0, 0, 0);
    return toolkit.createForm(params);
}

RECT clientOnScreen(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    MapWindowPoints(w, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

// An inner border lies outside the client area: the window grows by it on every side, the
// client keeps its size and a control keeps its client position; the border shows the
// window's background colour.
TEST(Win32Form, InnerBorderFramesTheClientAreaInTheBackgroundColour) {
    win32::Win32Toolkit toolkit(L"Vextral form test");
    auto plain = dialog(toolkit, L"TPlainTestForm", 0);
    auto framed = dialog(toolkit, L"TFramedTestForm", 2);
    ui::ButtonSpec openButton;
    openButton.id = 7001;
    openButton.rect = {0, 40, 117, 22};
    openButton.text = L"Открыть";
    auto& button = framed->addButton(openButton);
    plain->show();
    framed->show();
    HWND p = reinterpret_cast<HWND>(plain->handle()), f = reinterpret_cast<HWND>(framed->handle());

    const Rect outerPlain = plain->bounds(), outerFramed = framed->bounds();
    EXPECT_EQ(outerFramed.width, outerPlain.width + 4);
    EXPECT_EQ(outerFramed.height, outerPlain.height + 4);
    const RECT cp = clientOnScreen(p), cf = clientOnScreen(f);
    EXPECT_EQ(cf.right - cf.left, 116);
    EXPECT_EQ(cf.bottom - cf.top, 88);
    EXPECT_EQ(cf.left - outerFramed.left, cp.left - outerPlain.left + 2) << "the client starts 2 px further in";
    EXPECT_EQ(cf.top - outerFramed.top, cp.top - outerPlain.top + 2);
    RECT b{};
    GetWindowRect(reinterpret_cast<HWND>(button.handle()), &b);
    EXPECT_EQ(b.left - cf.left, 0);
    EXPECT_EQ(b.top - cf.top, 40);

    RedrawWindow(f, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(f);
    RECT w{};
    GetWindowRect(f, &w);
    const int x = cf.left - w.left, y = cf.top - w.top;
    EXPECT_EQ(GetPixel(dc, x - 1, y + 30), RGB(0, 0, 0)) << "left border";
    EXPECT_EQ(GetPixel(dc, x - 2, y + 30), RGB(0, 0, 0)) << "left border";
    EXPECT_EQ(GetPixel(dc, x + 50, y + 88 + 1), RGB(0, 0, 0)) << "bottom border";
    ReleaseDC(f, dc);
}

namespace {

// A taskbar of its own colour, painted by this test: only its surface, no buttons.
COLORREF taskbarColour = RGB(200, 40, 160);

LRESULT CALLBACK taskbarProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT r{};
        GetClientRect(w, &r);
        SetDCBrushColor(reinterpret_cast<HDC>(wParam), taskbarColour);
        FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        return 1;
    }
    return DefWindowProcW(w, message, wParam, lParam);
}

COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Pumps messages until `done` or about three seconds have passed.
template <typename Done> bool pumpFor(Done done) {
    for (int i = 0; i < 150; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        Sleep(20);
    }
    return false;
}

void clickAt(int x, int y) {
    SetCursorPos(x, y);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
}

} // namespace

// Docked over a window lower than itself, a form with a see-through background paints its face
// and its buttons' faces in that window's colour and follows it when it changes; it stays an
// ordinary opaque window, so a press on the face reaches the button. It is cut at the other
// window's bottom edge; its bounds stay.
TEST(Win32Form, DockedSeeThroughFormTakesTheTaskbarsColourAndEveryPress) {
    win32::Win32Toolkit toolkit(L"Vextral form test");
    if (!toolkit.underWine())
        GTEST_SKIP() << "outside Wine the form becomes the taskbar's child";
    WNDCLASSW wc{};
    wc.lpfnWndProc = taskbarProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TTaskbarTestWindow";
    RegisterClassW(&wc);
    win32::UniqueWindow taskbar(CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0,
                                                300, 400, 20, nullptr, nullptr, wc.hInstance, nullptr));
    UpdateWindow(taskbar.get());

    ui::FormSpec params;
    params.windowClass = L"TBarTestForm";
    params.frame = ui::Frame::None;
    params.clientWidth = 50;
    params.clientHeight = 24;
    params.topmost = true;
    params.transparentBackground = true;
    auto bar = toolkit.createForm(params);
    auto& button = bar->addSpeedButton({1002, {0, 0, 25, 22}, {}});
    button.setGlyph(ui::Glyph::ArrowUp);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    bar->dock(reinterpret_cast<WindowId>(taskbar.get()), Rect{3, 0, 50, 24});
    bar->show();
    HWND w = reinterpret_cast<HWND>(bar->handle());
    EXPECT_FALSE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED) << "no pixel lets a press through";
    EXPECT_EQ(bar->bounds(), (Rect{3, 300, 50, 24}));

    const int faceX = 3 + 2, faceY = 300 + 2; // a corner of the button, away from its glyph
    EXPECT_TRUE(pumpFor([&] { return screenPixel(faceX, faceY) == taskbarColour; }))
        << std::hex << screenPixel(faceX, faceY);
    EXPECT_EQ(screenPixel(3 + 40, 300 + 11), taskbarColour) << "the form's own face beside the button";
    EXPECT_NE(screenPixel(3 + 12, 300 + 11), taskbarColour) << "the glyph shows";

    EXPECT_EQ(WindowFromPoint(POINT{faceX, faceY}), reinterpret_cast<HWND>(button.handle()));
    clickAt(faceX, faceY);
    EXPECT_TRUE(pumpFor([&] { return clicks == 1; })) << "a click on the face reaches the button";

    // The taskbar changes colour, as with the light or dark colours: the face follows it.
    taskbarColour = RGB(30, 60, 200);
    RedrawWindow(taskbar.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    pumpFor([&] { return screenPixel(1, 300 + 10) == taskbarColour; }); // the taskbar shows it
    SendMessageW(toolkit.appWindow(), WM_SETTINGCHANGE, 0, LPARAM(L"ImmersiveColorSet"));
    EXPECT_TRUE(pumpFor([&] { return screenPixel(faceX, faceY) == taskbarColour; }))
        << std::hex << screenPixel(faceX, faceY);

    RECT region{};
    EXPECT_EQ(GetWindowRgnBox(w, &region), SIMPLEREGION);
    EXPECT_EQ(region.bottom, 20) << "nothing below the taskbar's bottom edge";
    EXPECT_EQ(region.right, 50);

    SetWindowPos(taskbar.get(), nullptr, 0, 300, 400, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    bar->dock(reinterpret_cast<WindowId>(taskbar.get()), Rect{3, 0, 50, 24}); // as high as the bar: not cut
    EXPECT_EQ(GetWindowRgnBox(w, &region), ERROR);
}

// The main window closes once, and its close ends the message loop even when the window went
// while the close ran (docked into a taskbar whose shell ended, during an error box).
TEST(Win32Form, MainWindowClosesOnceAndEndsTheLoopAlsoWhenAlreadyGone) {
    win32::Win32Toolkit toolkit(L"Vextral form test");
    ui::FormSpec params;
    params.windowClass = L"TMainTestForm";
    params.frame = ui::Frame::None;
    params.main = true;
    auto bar = toolkit.createForm(params);
    HWND w = reinterpret_cast<HWND>(bar->handle());
    int closes = 0;
    bar->onClose = [&] {
        ++closes;
        SendMessageW(w, WM_CLOSE, 0, 0); // from an error box's message loop: does nothing
        DestroyWindow(w);                // the taskbar took the window along
    };
    bar->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(bar->exists());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop ends";
}
