#include "platform/win32/ui/Win32Toolkit.h"
#include "player/SkinStrip.h"
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;

// The strip paints its pixels one to one and reports which buttons were held at a press. Its
// named buttons are drawn from the same pixels and let every press through to the strip.
TEST(Win32Image, PaintsThePixelsAndReportsPressesWithTheButtonsHeld) {
    win32::Win32Toolkit toolkit(L"Vextral image test");
    ui::FormSpec params;
    params.windowClass = L"TImageTestForm";
    params.clientWidth = 207;
    params.clientHeight = 60;
    params.background = ui::Colour::rgb(0, 0, 0);
    auto form = toolkit.createForm(params);
    ui::ImageSpec strip;
    strip.id = 8001;
    strip.rect = {10, 8, skin::Width, skin::Height};
    strip.width = skin::Width;
    strip.height = skin::Height;
    strip.pixels = drawSkinStrip();
    strip.buttons = {{8011, {0, 0, 25, skin::Height}, L"Предыдущий"}, {8016, {118, 0, 31, skin::Height}, L"Открыть"}};
    auto& image = form->addImage(strip);
    std::vector<std::tuple<bool, bool, int, int>> presses;
    image.onMouseDown = [&](ui::MouseShift s, int x, int y) { presses.emplace_back(s.left, s.right, x, y); };
    form->show();
    HWND hwnd = reinterpret_cast<HWND>(image.handle());
    UpdateWindow(hwnd);

    HDC dc = GetDC(hwnd);
    for (int x : {1, 5, 116, 130}) {
        const std::uint32_t want = strip.pixels[std::size_t(9 * skin::Width + x)];
        const COLORREF got = GetPixel(dc, x, 9);
        EXPECT_EQ(got, RGB((want >> 16) & 0xFF, (want >> 8) & 0xFF, want & 0xFF)) << x;
    }
    ReleaseDC(hwnd, dc);

    HWND open = GetDlgItem(hwnd, 8016);
    wchar_t name[32] = {};
    GetWindowTextW(open, name, 32);
    EXPECT_EQ(std::wstring(name), L"Открыть");
    POINT inside{130, 9};
    ClientToScreen(hwnd, &inside);
    EXPECT_EQ(WindowFromPoint(inside), hwnd) << "a press on a named button goes to the strip";

    SendMessageW(hwnd, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(100, 4));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 17));
    SendMessageW(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(130, 0));
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0], std::make_tuple(true, true, 100, 4));
    EXPECT_EQ(presses[1], std::make_tuple(true, false, 12, 17));
    EXPECT_EQ(presses[2], std::make_tuple(false, false, 130, 0));

    // A press of a named button from outside (a screen reader's default action, an automation
    // tool) is a left press at the middle of its part.
    SendMessageW(open, BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(hwnd, 8011), BM_CLICK, 0, 0);
    ASSERT_EQ(presses.size(), 5u);
    EXPECT_EQ(presses[3], std::make_tuple(true, false, 118 + 31 / 2, skin::Height / 2));
    EXPECT_EQ(presses[4], std::make_tuple(true, false, 25 / 2, skin::Height / 2));
}
