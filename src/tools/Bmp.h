#pragma once
#include "platform/Screen.h"
#include <cstdint>
#include <vector>

namespace vx::bmp {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

// An uncompressed Windows BMP file of a 24- or 32-bit image: the file header, the bitmap
// information header (no colour table at these depths), then the rows from the bottom up,
// each padded with zeros to a multiple of four bytes. The unused fourth byte of a 32-bit pixel
// is written as zero.
std::vector<std::uint8_t> fileBytes(const platform::Image& image);
// The same bitmap without the file header: the packed form the clipboard takes (CF_DIB).
std::vector<std::uint8_t> packedDib(const std::vector<std::uint8_t>& bmpFile);

} // namespace vx::bmp
