#include "player/Utf8.h"
#include <cstdint>

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
        std::uint8_t b = p[i];
        if (b < 0x80) {
            out.push_back(wchar_t(b));
            ++i;
            continue;
        }
        int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
        char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
        bool ok = extra > 0 && i + std::size_t(extra) < n;
        for (int k = 1; ok && k <= extra; ++k) {
            std::uint8_t t = p[i + std::size_t(k)];
            if ((t & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (t & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are malformed.
        if (ok && ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c < 0xE000))) ||
                   (extra == 3 && (c < 0x10000 || c > 0x10FFFF))))
            ok = false;
        if (!ok) {
            out.push_back(wchar_t(Replacement));
            ++i;
            continue;
        }
        put(out, c);
        i += std::size_t(extra) + 1;
    }
    return out;
}

} // namespace vx::utf8
