#pragma once
#include <cstdint>
#include <vector>

namespace vx::platform {

// Pixels as the display gives them: rows of `stride` bytes, 3 (24 bits) or 4 (32 bits) bytes
// per pixel in blue, green, red (, unused) order.
struct Image {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    int stride = 0;        // bytes from one row to the next, padding included
    bool bottomUp = false; // the first row in `bits` is the image's bottom row
    std::vector<std::uint8_t> bits;
};

// The primary screen's pixels.
class Screen {
  public:
    virtual ~Screen() = default;
    // The whole primary screen, taken at one instant, in the display's colour depth (24 or 32).
    virtual Image capture() = 0;
};

} // namespace vx::platform
