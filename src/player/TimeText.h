#pragma once
#include <cstdint>
#include <string>

namespace vx {

// A seconds count as two digits: "0" goes in front of a single digit.
std::wstring TwoDigits(std::uint32_t seconds);
// Milliseconds as m:ss: whole seconds truncated, minutes without leading zeros or limit.
std::wstring timeText(std::uint32_t ms);

} // namespace vx
