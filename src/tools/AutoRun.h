#pragma once
#include "platform/Registry.h"
#include <string>

namespace vx::autorun {

constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* ValueName = L"My App";

// The command Windows runs at logon: the program's path, in quotes when it holds a blank (an
// unquoted path with blanks would let a program placed at its first word start instead).
inline std::wstring commandFor(const std::wstring& programPath) {
    if (programPath.find(L' ') == std::wstring::npos)
        return programPath;
    return L"\"" + programPath + L"\"";
}

// Opens the Run key of the local machine (never creating it) and writes the program's command
// as "My App" (enable) or deletes that value, then flushes and closes the key. Writing into a
// key that could not be opened raises "Failed to set data for 'My App'"; deleting from it
// fails silently.
void apply(platform::Registry& registry, const std::wstring& programPath, bool enable);

} // namespace vx::autorun
