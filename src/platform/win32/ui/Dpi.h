#pragma once
#include "platform/Types.h"
#include <windows.h>

namespace vx::win32 {

// The program gives every size, offset and font height for a screen of 96 dots per inch. On a
// screen set to more, the toolkit turns them into pixels by dpi / 96 (and pixels it reports back
// into the same 96-dpi units), so the windows keep their proportions and stay sharp instead of
// being stretched by the system. At 96 dpi both directions are the identity.
class DpiScale {
  public:
    explicit DpiScale(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}
    // The screen's setting as this process sees it (the program declares itself DPI-aware).
    static DpiScale ofScreen();

    int dpi() const { return dpi_; }
    int px(int units) const { return MulDiv(units, dpi_, 96); }
    int units(int pixels) const { return MulDiv(pixels, 96, dpi_); }
    // A rectangle's edges are scaled, not its size, so controls that touch still touch.
    RECT px(const Rect& r) const {
        return RECT{px(r.left), px(r.top), px(r.left + r.width), px(r.top + r.height)};
    }
    Rect units(const RECT& r) const {
        const int left = units(r.left), top = units(r.top);
        return Rect{left, top, units(r.right) - left, units(r.bottom) - top};
    }

  private:
    int dpi_;
};

} // namespace vx::win32
