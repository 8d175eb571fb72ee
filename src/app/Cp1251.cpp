#include "app/Cp1251.h"

namespace vx::cp1251 {

namespace {

// The characters of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in a row, and the byte
// that the code page leaves unassigned (0x98) decodes to the control character of its number.
constexpr wchar_t High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

wchar_t character(unsigned char b) {
    if (b < 0x80)
        return wchar_t(b);
    return b < 0xC0 ? High[b - 0x80] : wchar_t(0x0410 + (b - 0xC0));
}

} // namespace

std::string encode(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c >= 0x0410 && c <= 0x044F) { // А..я
            out.push_back(char(0xC0 + (c - 0x0410)));
        } else {
            std::size_t i = 0;
            while (i < 64 && High[i] != c)
                ++i;
            out.push_back(i < 64 ? char(0x80 + i) : '?');
        }
    }
    return out;
}

std::wstring decode(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.push_back(character(static_cast<unsigned char>(b)));
    return out;
}

} // namespace vx::cp1251
