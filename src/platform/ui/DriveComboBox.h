#pragma once
#include "platform/ui/Controls.h"
#include "platform/ui/DriveSelection.h"

namespace vx::ui {

struct DriveComboBoxSpec : ControlSpec {
    std::vector<DriveEntry> entries; // in letter order, texts already in the picker's case
    wchar_t workingDrive = 0;        // the drive of the working folder: the first selection
    Colour background = Colour::system(syscolour::Window);
    bool flat = false;           // a single-line frame instead of the sunken 3-D edge
    bool dropDownOnTyping = false; // typing opens the list
};

// The drive picker: a drop-down list of drives with a current drive (see DriveSelection).
class DriveComboBox : public Control {
  public:
    // The current drive, an upper-case letter (0 when there is none).
    virtual wchar_t drive() const = 0;
    // Makes the letter current; onChange runs when DriveSelection says the change is due.
    virtual void setDrive(wchar_t letter) = 0;
    virtual int count() const = 0;
    virtual std::wstring item(int index) const = 0;
    virtual int selectedIndex() const = 0;

    // The current drive changed: the user picked an entry or the program set a drive.
    std::function<void()> onChange;
};

} // namespace vx::ui
