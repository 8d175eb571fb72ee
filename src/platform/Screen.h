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

// The primary screen's pixels, and the two places a picture of it goes besides a BMP file.
class Screen {
  public:
    virtual ~Screen() = default;
    // The whole primary screen, taken at one instant, in the display's colour depth (24 or 32).
    virtual Image capture() = 0;
    // The image as a lossless PNG file's bytes (24-bit colour, the unused fourth byte dropped).
    virtual std::vector<std::uint8_t> encodePng(const Image& image) = 0;
    // Puts a packed device-independent bitmap (the information header and the pixel rows, as
    // a BMP file holds them after its file header) on the clipboard in place of what was there;
    // false when the clipboard could not be had.
    virtual bool copyToClipboard(const std::vector<std::uint8_t>& packedDib) = 0;
};

} // namespace vx::platform
