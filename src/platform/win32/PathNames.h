#pragma once
#include <string>

namespace vx::win32 {

// The full form of a path (GetFullPathNameW): relative parts resolved, "/" turned into "\";
// the path itself when it cannot be had.
std::wstring fullPathName(const std::wstring& path);
// The short (8.3) form of an existing file's path (GetShortPathNameW); empty when the volume
// keeps no short names or the file is not there.
std::wstring shortPathName(const std::wstring& path);

} // namespace vx::win32
