#include "app/Cp1251.h"

namespace vx::cp1251 {

std::string encode(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c < 0x80)
            out.push_back(char(c));
        else if (c >= 0x0410 && c <= 0x044F) // А..я
            out.push_back(char(0xC0 + (c - 0x0410)));
        else if (c == 0x0401) // Ё
            out.push_back(char(0xA8));
        else if (c == 0x0451) // ё
            out.push_back(char(0xB8));
        else
            out.push_back('?');
    }
    return out;
}

} // namespace vx::cp1251
