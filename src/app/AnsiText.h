#pragma once
#include "platform/System.h"
#include <optional>
#include <string>

namespace vx {

// The text in the system's ANSI code page when every character keeps its own form; nothing
// when a character is lost or written as a look-alike ("é" as "e" names another file), which
// the conversion itself may report as exact, so the bytes are read back and compared.
std::optional<std::string> exactAnsi(platform::System& system, const std::wstring& text);

} // namespace vx
