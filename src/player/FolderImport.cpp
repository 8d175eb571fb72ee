#include "player/FolderImport.h"
#include <algorithm>

namespace vx {

namespace {

constexpr std::size_t MaxName = 255;

// The folder as the import takes it, whole however long, without a backslash at the end.
std::wstring importFolder(std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

void takeMedia(const std::wstring& folder, const std::vector<platform::DirEntry>& entries, FoundMedia& found) {
    for (const auto& entry : entries) {
        std::wstring name = entry.name.substr(0, MaxName);
        if (!isMediaName(name))
            continue;
        found.paths.push_back(folder + L"\\" + name);
        found.titles.push_back(std::move(name));
    }
}

wchar_t foldCase(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0x0410 && c <= 0x042F)) // Latin, Cyrillic А to Я
        return wchar_t(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) // Ё and the other Cyrillic capitals before А
        return wchar_t(c + 0x50);
    return c;
}

} // namespace

bool isMediaName(const std::wstring& name) {
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    const std::wstring extension = name.substr(dot, 4);
    for (const wchar_t* known : MediaExtensions)
        if (extension == std::wstring(L".") + known)
            return true;
    for (const wchar_t* known : LongMediaExtensions)
        if (name.compare(dot, std::wstring::npos, std::wstring(L".") + known) == 0)
            return true;
    return false;
}

bool folderNameLess(const std::wstring& a, const std::wstring& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return foldCase(x) < foldCase(y); });
}

FoundMedia findMedia(platform::Files& files, std::wstring folder) {
    FoundMedia found;
    folder = importFolder(std::move(folder));
    if (!folder.empty())
        takeMedia(folder, files.list(folder), found);
    return found;
}

FoundMedia findMediaTree(platform::Files& files, std::wstring folder, const std::function<bool()>& cancelled) {
    FoundMedia found;
    folder = importFolder(std::move(folder));
    if (folder.empty())
        return found;
    // Folders still to read, the next one at the back: a folder's subfolders go on in reverse
    // name order, so the first of them is read next and its whole tree before its sibling.
    std::vector<std::wstring> pending{folder};
    while (!pending.empty()) {
        if (cancelled && cancelled()) {
            found.cancelled = true;
            break;
        }
        const std::wstring current = std::move(pending.back());
        pending.pop_back();
        const auto entries = files.list(current);
        takeMedia(current, entries, found);
        std::vector<std::wstring> below;
        for (const auto& entry : entries)
            if (entry.directory && !entry.link && !entry.hiddenSystem)
                below.push_back(entry.name);
        std::sort(below.begin(), below.end(), folderNameLess);
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            pending.push_back(current + L"\\" + *it);
    }
    return found;
}

} // namespace vx
