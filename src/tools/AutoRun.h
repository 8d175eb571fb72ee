#pragma once
#include "platform/Registry.h"
#include <string>

namespace vx::autorun {

// The user's own list of programs Windows starts at logon (an older version wrote the value into
// the machine's, which needs administrator rights), and where the list of startup apps in
// Windows' settings records which of them it has turned off.
constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* ApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr const wchar_t* ValueName = L"My App";

// The command Windows runs at logon: the program's path, in quotes when it holds a blank (an
// unquoted path with blanks would let a program placed at its first word start instead).
inline std::wstring commandFor(const std::wstring& programPath) {
    if (programPath.find(L' ') == std::wstring::npos)
        return programPath;
    return L"\"" + programPath + L"\"";
}

// Whether Windows starts the program at logon: "My App" stands in the user's Run key, or in the
// machine's, and the startup apps list has not turned it off there.
bool isOn(platform::Registry& registry);

// Enabling writes the program's command as the user's "My App" (making the user's Run key when
// it is missing) and turns it on in the startup apps list where that had turned it off; a value
// that cannot be written raises "Failed to set data for 'My App'". Disabling deletes the user's
// "My App", silently when there is none. Either way a machine-wide "My App" goes where it may be
// deleted: it would start the program although switched off, or a second time.
void apply(platform::Registry& registry, const std::wstring& programPath, bool enable);

} // namespace vx::autorun
