#pragma once
#include <functional>
#include <string>
#include <vector>

namespace vx::ui {

// The keyboard's media keys.
enum class MediaKey { PlayPause, Stop, NextTrack, PreviousTrack };

// The media keys as the program hears them: from anywhere on the desktop while it claims them,
// otherwise only when they reach one of its own windows. Keys it does not claim stay with other
// programs.
class MediaKeys {
  public:
    virtual ~MediaKeys() = default;
    // Takes the keys system-wide (true) or gives them back (false); repeating a state costs nothing.
    virtual void setClaimed(bool claimed) = 0;
    virtual bool claimed() const = 0;

    // A media key reached the program; true when the program acted on it (also when acting
    // failed and the error was shown). A key it did not act on goes on to the system, which may
    // hand it to another program.
    std::function<bool(MediaKey)> onKey;
};

// One item of a drop of files from the shell: its full path, and whether it is a folder.
struct DroppedItem {
    std::wstring path;
    bool folder = false;
};

// The items of one drop, in the order the shell lists them.
using DropHandler = std::function<void(const std::vector<DroppedItem>&)>;

} // namespace vx::ui
