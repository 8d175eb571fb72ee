#pragma once
#include <string>
#include <string_view>

namespace vx::utf8 {

// UTF-8 bytes of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string encode(std::wstring_view text);
// UTF-16 text of UTF-8 bytes; malformed sequences become U+FFFD, one per bad byte.
std::wstring decode(std::string_view bytes);

constexpr std::string_view Bom = "\xEF\xBB\xBF";

} // namespace vx::utf8
