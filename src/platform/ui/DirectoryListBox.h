#pragma once
#include "platform/ui/Controls.h"

namespace vx::ui {

struct DirectoryListBoxSpec : ControlSpec {
    std::wstring folder; // the folder open at the start
    int itemHeight = 16;
};

// A folder browser: the open folder's path from the drive's root down, with its subfolders
// below; a double-click or Enter opens an entry. The open folder is also the program's
// working folder.
class DirectoryListBox : public Control {
  public:
    virtual std::wstring directory() const = 0;
    // Opens the folder and makes it the working folder; raises vx::IoError when it cannot.
    virtual void setDirectory(const std::wstring& folder) = 0;
    // Opens the drive's current folder as the system keeps it for the program.
    virtual void openDrive(wchar_t letter) = 0;

    std::function<void()> onChange;
};

} // namespace vx::ui
