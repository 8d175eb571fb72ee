#pragma once
#include "platform/Disks.h"
#include "platform/ui/DriveSelection.h"
#include <optional>
#include <string>
#include <vector>

namespace vx {

// The text of one drive picker entry: "C: [LABEL]" for fixed, CD-ROM and RAM drives, "A:" for
// removable ones, "N: \\SERVER\SHARE" for connected network drives (their bracketed label when
// the connection has no name). Labels and names follow the picker's letter case.
std::wstring driveEntryText(wchar_t letter, int driveType, const std::optional<std::wstring>& label,
                            const std::optional<std::wstring>& networkName, ui::LetterCase letterCase);

// What a picker's entry says of one drive, before it is put in the picker's letter case.
struct DriveFacts {
    wchar_t letter = 0;
    int type = 0;
    std::optional<std::wstring> label;       // read for every type but removable and named network
    std::optional<std::wstring> networkName; // read for network drives
};

// Every drive the system reports, A to Z, without the drives of type 0 (unknown) and 1 (no
// root directory). Reading the volume labels is the slow part, so the program reads the drives
// once and every picker makes its entries from that one listing.
std::vector<DriveFacts> readDrives(platform::Disks& disks);
std::vector<ui::DriveEntry> driveEntries(const std::vector<DriveFacts>& drives, ui::LetterCase letterCase);
std::vector<ui::DriveEntry> listDrives(platform::Disks& disks, ui::LetterCase letterCase);

// Case mapping for drive texts: ASCII, Latin-1 and Cyrillic letters, the rest unchanged.
std::wstring upperText(std::wstring text);
std::wstring lowerText(std::wstring text);

} // namespace vx
