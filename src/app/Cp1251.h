#pragma once
#include <string>

namespace vx::cp1251 {

// Windows-1251 bytes of a text; characters outside the code page become '?'.
std::string encode(const std::wstring& text);

} // namespace vx::cp1251
