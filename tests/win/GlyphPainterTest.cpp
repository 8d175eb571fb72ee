#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "res/GlyphArt.h"
#include <gtest/gtest.h>
#include <set>
#include <windows.h>

using namespace vx;

namespace {

// Paints a glyph at a dpi into a magenta square of 2 x its size and returns the pixels painted
// (as 0xRRGGBB) with the bounding box of everything that is not magenta.
struct Painted {
    std::set<std::uint32_t> colours;
    RECT box{1000, 1000, -1, -1};
};

Painted paintAt(ui::Glyph glyph, int dpi) {
    const win32::DpiScale scale(dpi);
    const int side = 2 * scale.px(16);
    HDC screen = GetDC(nullptr);
    win32::UniqueDc dc(CreateCompatibleDC(screen));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, side, side));
    ReleaseDC(nullptr, screen);
    Painted out;
    win32::SelectObjectScope select(dc.get(), bitmap.get());
    RECT all{0, 0, side, side};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc.get(), &all, magenta);
    DeleteObject(magenta);
    win32::paintGlyph(dc.get(), glyph, 0, 0, scale);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const COLORREF c = GetPixel(dc.get(), x, y);
            if (c == RGB(255, 0, 255))
                continue;
            out.colours.insert(std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c));
            out.box.left = std::min<LONG>(out.box.left, x);
            out.box.top = std::min<LONG>(out.box.top, y);
            out.box.right = std::max<LONG>(out.box.right, x + 1);
            out.box.bottom = std::max<LONG>(out.box.bottom, y + 1);
        }
    return out;
}

} // namespace

// At 144 dpi a 16 x 16 glyph fills 24 x 24 pixels in exactly the colours of its palette, with
// no blended edge colours, and covers the same share of its square as at 96 dpi.
TEST(GlyphPainter, GrowsWithTheDpiWithoutBlurring) {
    for (auto glyph : {ui::Glyph::Key, ui::Glyph::StartFlag, ui::Glyph::PlayTriangle}) {
        const Painted at96 = paintAt(glyph, 96);
        const Painted at144 = paintAt(glyph, 144);
        const auto& art = res::glyphArt(glyph);
        std::set<std::uint32_t> palette;
        for (int row = 0; row < art.height; ++row)
            for (char c : art.rows[row]) {
                std::uint32_t rgb = 0;
                if (res::GlyphArt::colourOf(c, rgb))
                    palette.insert(rgb);
            }
        EXPECT_EQ(at96.colours, palette);
        EXPECT_EQ(at144.colours, palette) << "only the palette's colours: nothing smoothed";
        const win32::DpiScale scale(144);
        EXPECT_EQ(at144.box.left, scale.px(at96.box.left));
        EXPECT_EQ(at144.box.top, scale.px(at96.box.top));
        EXPECT_EQ(at144.box.right, scale.px(at96.box.right));
        EXPECT_EQ(at144.box.bottom, scale.px(at96.box.bottom));
    }
}

// Sizes grow by dpi / 96 with edges, not widths, rounded, so neighbouring rectangles still touch;
// pixels turn back into the same units.
TEST(DpiScale, ScalesEdgesAndRoundTrips) {
    const win32::DpiScale same(96), large(144), huge(192);
    EXPECT_EQ(same.px(Rect{3, 0, 50, 24}).right, 53);
    const RECT bar = large.px(Rect{3, 0, 50, 24});
    EXPECT_EQ(bar.right - bar.left, 75);
    EXPECT_EQ(bar.bottom - bar.top, 36);
    const RECT left = large.px(Rect{0, 0, 7, 5}), right = large.px(Rect{7, 0, 7, 5});
    EXPECT_EQ(left.right, right.left) << "touching rectangles still touch";
    EXPECT_EQ(huge.px(-29), -58);
    for (int v : {0, 1, 13, 28, 180, 207, 1023})
        EXPECT_EQ(large.units(large.px(v)), v) << v;
    EXPECT_EQ(large.units(RECT{6, 455, 48, 725}), (Rect{4, 303, 28, 180}));
}
