#pragma once
#include "settings/SettingsStore.h"
#include <cstdint>
#include <optional>

namespace vx {

// Where the player stood when the program ended: the current entry, the position in it and the
// random-order switch, kept as three numbers in the settings key for the next run.
struct PlayerResume {
    std::optional<int> index;                // an entry of the playlist
    std::optional<std::uint32_t> positionMs; // only with an index
    std::optional<bool> randomOrder;
};

// Writes what is given and leaves the other values as they are.
void storePlayerResume(SettingsStore& settings, const PlayerResume& state);
// Removes the stored entry and position, so that the next run has nothing to take up.
void forgetPlayerEntry(SettingsStore& settings);
// Reads the values back for a playlist of `entries` entries. A value that is missing, not a
// REG_DWORD or out of range (an index past the list, a switch other than 0 or 1) comes back
// empty, and so does a position without a usable index; nothing is reported.
PlayerResume readPlayerResume(SettingsStore& settings, int entries);

} // namespace vx
