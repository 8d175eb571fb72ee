#pragma once
#include <string>
#include <string_view>

namespace vx::utf8 {

// UTF-8 bytes of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string encode(std::wstring_view text);
// UTF-16 text of UTF-8 bytes; malformed sequences become U+FFFD, one per bad byte.
std::wstring decode(std::string_view bytes);
// Whether the bytes are well-formed UTF-8 with at least one character of two or more bytes:
// then they are UTF-8 text beyond ASCII. Text in a single-byte code page is practically never
// that, as its letters (0xC0-0xFF in Windows-1251) are followed by more letters, not by
// continuation bytes.
bool isMultiByteText(std::string_view bytes);

constexpr std::string_view Bom = "\xEF\xBB\xBF";

} // namespace vx::utf8
