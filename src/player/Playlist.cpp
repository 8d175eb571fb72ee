#include "player/Playlist.h"
#include "app/Paths.h"
#include "player/FileUri.h"
#include "platform/Error.h"
#include "player/M3u.h"

namespace vx {

Playlist::Playlist(ui::ListBox& display, ui::ListBox& paths, platform::Files& files, platform::System& system,
                   std::wstring programFolder)
    : display_(display), paths_(paths), files_(files), system_(system), programFolder_(std::move(programFolder)) {}

void Playlist::clear() {
    stored_.clear();
    paths_.clear();
    display_.clear();
}

void Playlist::add(const std::wstring& title, const std::wstring& path) {
    paths_.addItem(path);
    display_.addItem(title);
    stored_.push_back(path);
}

void Playlist::addMany(const std::vector<std::wstring>& titles, const std::vector<std::wstring>& paths) {
    paths_.addItems(paths);
    display_.addItems(titles);
    stored_.insert(stored_.end(), paths.begin(), paths.end());
}

void Playlist::remove(int index) {
    if (index < 0 || index >= count())
        return;
    paths_.deleteItem(index);
    display_.deleteItem(index);
    stored_.erase(stored_.begin() + index);
}

void Playlist::ReadM3U(const std::wstring& fileName, bool append) {
    const auto bytes = files_.readAll(fileName);
    auto entries = m3u::read(bytes, fileName, system_);
    if (!append)
        clear();
    // The lists take the texts where the reader left them; only the kept paths are copied.
    paths_.addTexts(entries.pathTexts());
    // A file URI without a title line shows the name of the file it names, not its escapes.
    auto titles = entries.titleTexts();
    std::vector<std::wstring> names(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::wstring_view path = entries.path(i);
        if (isFileUri(path) && entries.title(i) == path.substr(path.find_last_of(L"\\/:") + 1)) {
            names[i] = paths::fileNameOf(fileOfEntry(std::wstring(path)));
            titles[i] = names[i].c_str();
        }
    }
    display_.addTexts(titles);
    stored_.reserve(stored_.size() + entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        stored_.emplace_back(entries.path(i));
}

void Playlist::save(const std::wstring& fileName) {
    try {
        files_.writeAll(fileName, m3u::encode(stored_, fileName, system_));
    } catch (const FileCreateError&) {
        throw CannotCreateFile(fileName);
    }
}

void Playlist::saveLast() {
    if (!empty())
        save(lastListPath());
}

void Playlist::findLastList() { LastListFound = files_.exists(lastListPath()); }

void Playlist::loadLast() {
    if (ShownOnce)
        return;
    if (LastListFound)
        ReadM3U(lastListPath(), false);
    ShownOnce = true;
}

} // namespace vx
