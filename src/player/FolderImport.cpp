#include "player/FolderImport.h"

namespace vx {

namespace {
constexpr std::size_t MaxName = 255;
}

bool isMediaName(const std::wstring& name) {
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    const std::wstring extension = name.substr(dot, 4);
    for (const wchar_t* known : MediaExtensions)
        if (extension == std::wstring(L".") + known)
            return true;
    return false;
}

FoundMedia findMedia(platform::Files& files, std::wstring folder) {
    FoundMedia found;
    if (folder.size() > MaxName)
        folder.resize(MaxName);
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    if (folder.empty())
        return found;
    for (auto& entry : files.list(folder)) {
        std::wstring name = entry.name.substr(0, MaxName);
        if (!isMediaName(name))
            continue;
        found.paths.push_back(folder + L"\\" + name);
        found.titles.push_back(std::move(name));
    }
    return found;
}

} // namespace vx
