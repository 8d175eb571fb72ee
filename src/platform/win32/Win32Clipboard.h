#pragma once
#include <cstdint>
#include <vector>

namespace vx::win32 {

// Replaces the clipboard's contents with a packed device-independent bitmap (CF_DIB); the
// system offers the other bitmap formats from it. False when the clipboard stayed busy.
bool putDibOnClipboard(const std::vector<std::uint8_t>& packedDib);

} // namespace vx::win32
