#pragma once
#include "player/Playlist.h"
#include "settings/SettingsStore.h"
#include <cstdint>
#include <optional>
#include <string>

namespace vx {

// Where the player stood when the program ended: the current entry by its index and its path,
// the position in it and the random-order switch, kept in the settings key for the next run.
struct PlayerResume {
    std::optional<int> index;                // an entry of the playlist
    std::wstring path;                       // that entry's path; only with an index
    std::optional<std::uint32_t> positionMs; // only with an index
    std::optional<bool> randomOrder;
};

// Writes what is given and leaves the other values as they are.
void storePlayerResume(SettingsStore& settings, const PlayerResume& state);
// Removes the stored entry, its path and position, so that the next run has nothing to take up.
void forgetPlayerEntry(SettingsStore& settings);
// Reads the values back for `list`. A value that is missing, of another type or out of range (a
// switch other than 0 or 1) comes back empty, and so does a position without an entry; nothing
// is reported. The entry is the one resumeEntry finds.
PlayerResume readPlayerResume(SettingsStore& settings, const Playlist& list);
// The entry a resume names in `list`: the entry at `index` while it still has `path`, else the
// first entry with that path, else none (a deletion before it moved it, or it is gone). A
// resume without a path (stored before paths were kept) names its index while it is in range.
std::optional<int> resumeEntry(const Playlist& list, std::optional<std::uint32_t> index, const std::wstring& path);

} // namespace vx
