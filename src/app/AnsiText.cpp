#include "app/AnsiText.h"

namespace vx {

std::optional<std::string> exactAnsi(platform::System& system, const std::wstring& text) {
    bool exact = true;
    std::string bytes = system.toAnsi(text, &exact);
    if (!exact || system.fromAnsi(bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace vx
