#pragma once

namespace vx {

// Which secondary windows are on screen; all false at start.
struct WindowFlags {
    bool PanelUnfolded = false;
    bool PlayerShown = false;
    bool DriveDialogShown = false;
    bool FavouritesShown = false;
    bool AddFolderShown = false;
};

} // namespace vx
