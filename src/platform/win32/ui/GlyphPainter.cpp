#include "platform/win32/ui/GlyphPainter.h"
#include "res/GlyphArt.h"

namespace vx::win32 {

COLORREF colourRef(const ui::Colour& colour) {
    if (colour.isSystem)
        return GetSysColor(colour.systemIndex);
    return COLORREF(colour.rgbValue);
}

void paintGlyph(HDC dc, ui::Glyph glyph, int x, int y, const DpiScale& dpi, bool enabled) {
    const bool oneToOne = dpi.dpi() == 96;
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
            if (oneToOne) {
                SetPixelV(dc, x + col, y + row, RGB(r, g, b));
                continue;
            }
            RECT cell{x + dpi.px(col), y + dpi.px(row), x + dpi.px(col + 1), y + dpi.px(row + 1)};
            SetDCBrushColor(dc, RGB(r, g, b));
            FillRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
    }
}

} // namespace vx::win32
