#include "player/TimeText.h"

namespace vx {

std::wstring TwoDigits(std::uint32_t seconds) {
    std::wstring s = std::to_wstring(seconds);
    return s.size() == 1 ? L"0" + s : s;
}

std::wstring timeText(std::uint32_t ms) {
    const std::uint32_t s = ms / 1000;
    return std::to_wstring(s / 60) + L":" + TwoDigits(s % 60);
}

} // namespace vx
