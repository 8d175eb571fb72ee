#pragma once
#include "platform/ui/Controls.h"

namespace vx::ui {

struct ShellFolderTreeSpec : ControlSpec {
    int indent = 19; // pixels from a folder to its subfolders
};

// The shell's folder namespace as a tree, from the desktop down: folders only, hidden ones
// included, with the system's icons. A folder's subfolders are read when it is first opened.
class ShellFolderTree : public Control {
  public:
    // The file-system path of the selected folder ("C:\" for a drive root); empty when nothing is
    // selected or the folder has no place in the file system (the computer, the network).
    virtual std::wstring selectedPath() const = 0;
};

} // namespace vx::ui
