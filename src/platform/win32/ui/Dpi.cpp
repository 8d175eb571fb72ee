#include "platform/win32/ui/Dpi.h"

namespace vx::win32 {

DpiScale DpiScale::ofScreen() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return DpiScale(dpi);
}

} // namespace vx::win32
