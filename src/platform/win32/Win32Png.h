#pragma once
#include "platform/Screen.h"
#include <cstdint>
#include <vector>

namespace vx::win32 {

// A lossless PNG of the image through the Windows Imaging Component: 24-bit colour, rows from
// the top, the unused fourth byte of 32-bit pixels dropped. Failures raise vx::Error.
std::vector<std::uint8_t> encodePng(const platform::Image& image);

} // namespace vx::win32
