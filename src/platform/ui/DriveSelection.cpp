#include "platform/ui/DriveSelection.h"

namespace vx::ui {

wchar_t driveLetter(wchar_t c) {
    if (c >= L'a' && c <= L'z')
        return wchar_t(c - L'a' + L'A');
    return c >= L'A' && c <= L'Z' ? c : 0;
}

DriveSelection::DriveSelection(std::vector<DriveEntry> entries, wchar_t workingDrive)
    : entries_(std::move(entries)) {
    drive_ = driveLetter(workingDrive);
    selected_ = indexOf(drive_);
}

int DriveSelection::indexOf(wchar_t letter) const {
    if (letter == 0)
        return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].letter == letter)
            return int(i);
    return -1;
}

bool DriveSelection::setDrive(wchar_t letter) {
    letter = driveLetter(letter);
    if (letter == 0)
        return false;
    const bool due = letter != drive_ || selected_ < 0;
    drive_ = letter;
    if (int i = indexOf(letter); i >= 0)
        selected_ = i;
    return due;
}

bool DriveSelection::pick(int index) {
    if (index < 0 || index >= int(entries_.size()))
        return false;
    const bool due = entries_[std::size_t(index)].letter != drive_ || selected_ != index;
    selected_ = index;
    drive_ = entries_[std::size_t(index)].letter;
    return due;
}

} // namespace vx::ui
