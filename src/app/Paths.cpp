#include "app/Paths.h"

namespace vx::paths {

std::wstring folderOf(const std::wstring& path) {
    auto cut = path.find_last_of(L"\\:");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring fileNameOf(const std::wstring& path) {
    auto cut = path.find_last_of(L"\\:");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

bool endsWithNoCase(const std::wstring& path, std::wstring_view tail) {
    if (path.size() < tail.size())
        return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        wchar_t c = path[path.size() - tail.size() + i];
        if (c >= L'A' && c <= L'Z')
            c = wchar_t(c - L'A' + L'a');
        if (c != tail[i])
            return false;
    }
    return true;
}

} // namespace vx::paths
