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

} // namespace vx::paths
