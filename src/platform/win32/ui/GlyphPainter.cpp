#include "platform/win32/ui/GlyphPainter.h"
#include "res/GlyphArt.h"

namespace vx::win32 {

COLORREF colourRef(const ui::Colour& colour) {
    if (colour.isSystem)
        return GetSysColor(colour.systemIndex);
    return COLORREF(colour.rgbValue);
}

void paintGlyph(HDC dc, ui::Glyph glyph, int x, int y, bool enabled) {
    const auto& art = res::glyphArt(glyph);
    for (int row = 0; row < art.height; ++row) {
        const auto& line = art.rows[row];
        for (int col = 0; col < art.width && col < int(line.size()); ++col) {
            std::uint32_t rgb = 0;
            if (!res::GlyphArt::colourOf(line[std::size_t(col)], rgb))
                continue;
            int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
            if (!enabled) {
                int grey = 128 + (r * 30 + g * 59 + b * 11) / 100 / 3;
                r = g = b = grey;
            }
            SetPixelV(dc, x + col, y + row, RGB(r, g, b));
        }
    }
}

} // namespace vx::win32
