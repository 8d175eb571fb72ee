#pragma once
#include <string>
#include <string_view>

namespace vx::paths {

// The folder part of a path with its trailing backslash ("C:\\Prog\\" of "C:\\Prog\\a.exe").
std::wstring folderOf(const std::wstring& path);
// The text after the last '\\' or ':' (the whole path if it has neither).
std::wstring fileNameOf(const std::wstring& path);
// Whether the path ends with `tail` (given in small letters), Latin capitals counting as small.
bool endsWithNoCase(const std::wstring& path, std::wstring_view tail);

} // namespace vx::paths
