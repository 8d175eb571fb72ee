#pragma once
#include "platform/ui/Style.h"
#include "platform/win32/ui/Dpi.h"
#include <windows.h>

namespace vx::win32 {

// Draws a glyph with its top-left corner at (x, y); a disabled glyph is drawn in greys.
// Paints a glyph's picture with its top left corner at (x, y), each of its pixels grown to a
// square of dpi / 96 (rounded edges, no smoothing, so the picture stays crisp); a disabled glyph
// in grey.
void paintGlyph(HDC dc, ui::Glyph glyph, int x, int y, const DpiScale& dpi, bool enabled = true);

COLORREF colourRef(const ui::Colour& colour);

} // namespace vx::win32
