#pragma once
#include <string>

namespace vx::paths {

// The folder part of a path with its trailing backslash ("C:\\Prog\\" of "C:\\Prog\\a.exe").
std::wstring folderOf(const std::wstring& path);
// The text after the last '\\' or ':' (the whole path if it has neither).
std::wstring fileNameOf(const std::wstring& path);

} // namespace vx::paths
