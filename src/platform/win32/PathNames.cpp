#include "platform/win32/PathNames.h"
#include <windows.h>

namespace vx::win32 {

namespace {
// Runs a call that fills a buffer and says how long the text is, or how large a buffer it needs.
template <class Fill> std::wstring filled(Fill fill) {
    DWORD n = fill(nullptr, 0);
    if (n == 0)
        return {};
    std::wstring text(n, L'\0');
    n = fill(text.data(), n);
    text.resize(n < text.size() ? n : 0);
    return text;
}
} // namespace

std::wstring fullPathName(const std::wstring& path) {
    std::wstring full = filled([&](wchar_t* buffer, DWORD size) {
        return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
    return full.empty() ? path : full;
}

std::wstring shortPathName(const std::wstring& path) {
    return filled([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
}

} // namespace vx::win32
