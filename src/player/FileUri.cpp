#include "player/FileUri.h"
#include "player/Utf8.h"
#include <cwctype>

namespace vx {

namespace {

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

bool startsWithNoCase(std::wstring_view text, std::wstring_view head) {
    if (text.size() < head.size())
        return false;
    for (std::size_t i = 0; i < head.size(); ++i)
        if (wchar_t(std::towlower(text[i])) != head[i])
            return false;
    return true;
}

// The UTF-8 bytes of a URI's path with its %XX escapes undone; characters beyond ASCII written
// as they are stand for themselves.
std::string unescape(std::wstring_view path) {
    std::string bytes;
    std::size_t plain = 0; // the start of the run of characters not yet taken
    for (std::size_t i = 0; i + 2 < path.size(); ++i) {
        if (path[i] != L'%' || hexValue(path[i + 1]) < 0 || hexValue(path[i + 2]) < 0)
            continue;
        bytes += utf8::encode(path.substr(plain, i - plain));
        bytes += char(hexValue(path[i + 1]) * 16 + hexValue(path[i + 2]));
        plain = i + 3;
        i += 2;
    }
    return bytes + utf8::encode(path.substr(plain));
}

constexpr std::wstring_view Scheme = L"file://";

} // namespace

bool isFileUri(std::wstring_view entry) { return startsWithNoCase(entry, Scheme); }

std::wstring fileOfEntry(const std::wstring& entry) {
    if (!isFileUri(entry))
        return entry;
    std::wstring_view rest = std::wstring_view(entry).substr(Scheme.size());
    if (startsWithNoCase(rest, L"localhost/"))
        rest.remove_prefix(9);
    std::wstring path;
    if (!rest.empty() && rest.front() == L'/') {
        rest.remove_prefix(1); // file:///C:/... names a drive
        path = utf8::decode(unescape(rest));
    } else {
        path = L"//" + utf8::decode(unescape(rest)); // file://server/share/...
    }
    for (auto& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

} // namespace vx
