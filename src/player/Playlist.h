#pragma once
#include "platform/Files.h"
#include "platform/System.h"
#include "platform/ui/Controls.h"
#include <string>
#include <vector>

namespace vx {

// The player's one playlist: the display list (the items of the visible list) and the path list
// (the items of an invisible list), index for index, and the state that goes with them. Every
// change goes through this class and touches both lists together.
class Playlist {
  public:
    static constexpr const wchar_t* LastListName = L"Last.m3u";

    Playlist(ui::ListBox& display, ui::ListBox& paths, platform::Files& files, platform::System& system,
             std::wstring programFolder);

    int count() const { return int(stored_.size()); }
    bool empty() const { return stored_.empty(); }
    const std::wstring& path(int index) const { return stored_.at(std::size_t(index)); }
    std::wstring title(int index) const { return display_.item(index); }
    void clear();
    void add(const std::wstring& title, const std::wstring& path);
    void addMany(const std::vector<std::wstring>& titles, const std::vector<std::wstring>& paths);
    void remove(int index);

    // Reads a playlist file, replacing the playlist or adding to its end; starts nothing. A file
    // that cannot be read leaves the playlist as it was.
    void ReadM3U(const std::wstring& fileName, bool append);
    // Writes the path list (the callers make sure it is not empty).
    void save(const std::wstring& fileName);
    // Saves a non-empty playlist as the program folder's "Last.m3u".
    void saveLast();
    // Notes at creation whether "Last.m3u" exists.
    void findLastList();
    // At the first showing of the player: reads "Last.m3u" when it was found at creation.
    void loadLast();
    std::wstring lastListPath() const { return programFolder_ + LastListName; }

    int CurrentIndex = 0;
    bool TrackLoaded = false;
    bool LastListFound = false;
    bool ShownOnce = false;

  private:
    ui::ListBox& display_;
    ui::ListBox& paths_;
    // The path list's items as the program put them there, so that reading them back (for a
    // save of a long list) needs no round trip through the control.
    std::vector<std::wstring> stored_;
    platform::Files& files_;
    platform::System& system_;
    std::wstring programFolder_;
};

} // namespace vx
