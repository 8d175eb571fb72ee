#include "res/GlyphArt.h"
#include <gtest/gtest.h>

using namespace vx;

TEST(GlyphArt, EveryGlyphIsRectangularOfItsSizeWithKnownColours) {
    for (int g = int(ui::Glyph::ArrowUp); g <= int(ui::Glyph::No); ++g) {
        const auto& art = res::glyphArt(ui::Glyph(g));
        const int expected = g >= int(ui::Glyph::Yes) ? 18 : 16;
        EXPECT_EQ(art.height, expected) << "glyph " << g;
        EXPECT_EQ(art.width, expected) << "glyph " << g;
        for (int row = 0; row < art.height; ++row) {
            EXPECT_EQ(int(art.rows[row].size()), expected) << "glyph " << g << " row " << row;
            for (char c : art.rows[row]) {
                std::uint32_t rgb;
                EXPECT_TRUE(c == '.' || res::GlyphArt::colourOf(c, rgb)) << "glyph " << g << " char " << c;
            }
        }
    }
}
