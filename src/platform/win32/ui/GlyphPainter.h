#pragma once
#include "platform/ui/Style.h"
#include <windows.h>

namespace vx::win32 {

// Draws a glyph with its top-left corner at (x, y); a disabled glyph is drawn in greys.
void paintGlyph(HDC dc, ui::Glyph glyph, int x, int y, bool enabled = true);

COLORREF colourRef(const ui::Colour& colour);

} // namespace vx::win32
