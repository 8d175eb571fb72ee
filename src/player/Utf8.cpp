#include "player/Utf8.h"
#include <cstdint>
#include <cstring>

namespace vx::utf8 {

namespace {

constexpr char32_t Replacement = 0xFFFD;

void put(std::wstring& out, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(wchar_t(0xD800 + (c >> 10)));
        out.push_back(wchar_t(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(wchar_t(c));
    }
}

// The length of the well-formed sequence of two to four bytes at p[i], its character in `c`;
// 0 when the bytes there are malformed (a stray or missing continuation byte, an overlong
// form, a surrogate, a value past U+10FFFF).
std::size_t sequenceAt(const std::uint8_t* p, std::size_t n, std::size_t i, char32_t& c) {
    const std::uint8_t b = p[i];
    const int extra = b >= 0xF0 && b < 0xF5   ? 3
                      : b >= 0xE0 && b < 0xF0 ? 2
                      : b >= 0xC2 && b < 0xE0 ? 1
                                              : -1;
    if (extra < 0 || i + std::size_t(extra) >= n)
        return 0;
    c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
    for (int k = 1; k <= extra; ++k) {
        const std::uint8_t t = p[i + std::size_t(k)];
        if ((t & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (t & 0x3F);
    }
    if ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c < 0xE000))) ||
        (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))
        return 0;
    return std::size_t(extra) + 1;
}

} // namespace

std::string encode(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = char32_t(std::uint32_t(text[i]));
        const char32_t next = i + 1 < text.size() ? char32_t(std::uint32_t(text[i + 1])) : 0;
        if (c >= 0xD800 && c < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        } else if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
            c = Replacement;
        }
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::wstring decode(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            out.push_back(wchar_t(p[i]));
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = sequenceAt(p, n, i, c);
        if (length == 0) {
            out.push_back(wchar_t(Replacement));
            ++i;
            continue;
        }
        put(out, c);
        i += length;
    }
    return out;
}

bool isMultiByteText(std::string_view bytes) {
    constexpr std::uint64_t highs = 0x8080808080808080ull;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t n = bytes.size();
    bool multiByte = false;
    std::size_t i = 0;
    while (i < n) {
        // Eight bytes without a high bit are passed over together: a playlist is mostly ASCII.
        if (i + 8 <= n) {
            std::uint64_t eight;
            std::memcpy(&eight, p + i, 8);
            if (!(eight & highs)) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = sequenceAt(p, n, i, c);
        if (length == 0)
            return false;
        multiByte = true;
        i += length;
    }
    return multiByte;
}

} // namespace vx::utf8
