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
    ui::ButtonSpec spec;
    spec.id = 7001;
    spec.rect = {0, 40, 117, 22};
    spec.text = L"Открыть";
    auto& button = framed->addButton(spec);
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

// Docked over a window lower than itself, a form with a see-through background is a layered
// window keyed on its background colour, cut at the other window's bottom edge; its bounds stay.
TEST(Win32Form, DockedSeeThroughFormIsColourKeyedAndCutAtTheTaskbarsBottom) {
    win32::Win32Toolkit toolkit(L"Vextral form test");
    if (!toolkit.underWine())
        GTEST_SKIP() << "outside Wine the form becomes the taskbar's child";
    ui::FormSpec params;
    params.windowClass = L"TBarTestForm";
    params.frame = ui::Frame::None;
    params.clientWidth = 50;
    params.clientHeight = 24;
    params.topmost = true;
    params.transparentBackground = true;
    auto bar = toolkit.createForm(params);
    auto taskbarSpec = params;
    taskbarSpec.windowClass = L"TTaskbarTestForm";
    taskbarSpec.transparentBackground = false;
    taskbarSpec.clientWidth = 400;
    taskbarSpec.clientHeight = 20;
    taskbarSpec.top = 300;
    auto taskbar = toolkit.createForm(taskbarSpec);
    taskbar->show();
    bar->dock(taskbar->handle(), Rect{3, 0, 50, 24});
    bar->show();
    HWND w = reinterpret_cast<HWND>(bar->handle());

    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w, &key, nullptr, &flags));
    EXPECT_EQ(key, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    EXPECT_EQ(bar->bounds(), (Rect{3, 300, 50, 24}));
    RECT region{};
    EXPECT_EQ(GetWindowRgnBox(w, &region), SIMPLEREGION);
    EXPECT_EQ(region.bottom, 20) << "nothing below the taskbar's bottom edge";
    EXPECT_EQ(region.right, 50);

    taskbar->setBounds(Rect{0, 300, 400, 30}); // a taskbar as high as the bar: nothing is cut
    bar->dock(taskbar->handle(), Rect{3, 0, 50, 24});
    EXPECT_EQ(GetWindowRgnBox(w, &region), ERROR);
}
