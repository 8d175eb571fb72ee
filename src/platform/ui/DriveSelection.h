#pragma once
#include <string>
#include <vector>

namespace vx::ui {

enum class LetterCase { Upper, Lower };

// One entry of a drive picker: the drive's upper-case letter and the text shown for it.
struct DriveEntry {
    wchar_t letter = 0;
    std::wstring text;
    friend bool operator==(const DriveEntry&, const DriveEntry&) = default;
};

// The current drive of a drive picker and its visible selection. The current drive is an
// upper-case letter that may have no entry (a letter with no drive): setting such a letter
// makes it current but leaves the visible selection where it was.
class DriveSelection {
  public:
    // Starts on the entry of `workingDrive` (the drive of the working folder), if it has one.
    DriveSelection(std::vector<DriveEntry> entries, wchar_t workingDrive);

    // Makes the letter (upper-cased) current and selects its entry when there is one. True when
    // the change event is due: the letter differs from the current one, or nothing was selected.
    bool setDrive(wchar_t letter);
    // The user picked an entry; true when the change event is due.
    bool pick(int index);

    wchar_t drive() const { return drive_; }
    int selectedIndex() const { return selected_; }
    const std::vector<DriveEntry>& entries() const { return entries_; }

  private:
    int indexOf(wchar_t letter) const;

    std::vector<DriveEntry> entries_;
    wchar_t drive_ = 0;
    int selected_ = -1;
};

// The upper-case form of a drive letter; 0 for anything that is not a letter A to Z.
wchar_t driveLetter(wchar_t c);

} // namespace vx::ui
