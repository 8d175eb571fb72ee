#pragma once
#include <string>
#include <string_view>

namespace vx::cp1251 {

// Windows-1251 bytes of a text; characters outside the code page become '?'.
std::string encode(const std::wstring& text);
// The text of Windows-1251 bytes, each byte as Windows decodes it.
std::wstring decode(std::string_view bytes);

} // namespace vx::cp1251
