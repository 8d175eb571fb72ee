#include "folders/DrivePicker.h"

namespace vx {

namespace dt = platform::drivetype;

namespace {

wchar_t upperChar(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x430 && c <= 0x44F))
        return wchar_t(c - 0x20);
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x450 && c <= 0x45F)
        return wchar_t(c - 0x50);
    return c;
}

wchar_t lowerChar(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F))
        return wchar_t(c + 0x20);
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x400 && c <= 0x40F)
        return wchar_t(c + 0x50);
    return c;
}

} // namespace

std::wstring upperText(std::wstring text) {
    for (auto& c : text)
        c = upperChar(c);
    return text;
}

std::wstring lowerText(std::wstring text) {
    for (auto& c : text)
        c = lowerChar(c);
    return text;
}

std::wstring driveEntryText(wchar_t letter, int driveType, const std::optional<std::wstring>& label,
                            const std::optional<std::wstring>& networkName, ui::LetterCase letterCase) {
    auto inCase = [letterCase](std::wstring t) {
        return letterCase == ui::LetterCase::Upper ? upperText(std::move(t)) : lowerText(std::move(t));
    };
    std::wstring text = inCase(std::wstring(1, letter)) + L":";
    if (driveType == dt::Removable)
        return text;
    if (driveType == dt::Remote && networkName)
        return text + L" " + inCase(*networkName);
    return text + L" [" + inCase(label.value_or(L"")) + L"]";
}

std::vector<DriveFacts> readDrives(platform::Disks& disks) {
    std::vector<DriveFacts> drives;
    const std::uint32_t mask = disks.logicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i)))
            continue;
        DriveFacts drive;
        drive.letter = wchar_t(L'A' + i);
        drive.type = disks.driveType(drive.letter);
        if (drive.type == dt::Unknown || drive.type == dt::NoRootDirectory)
            continue;
        if (drive.type == dt::Remote)
            drive.networkName = disks.networkName(drive.letter);
        if (drive.type != dt::Removable && !drive.networkName)
            drive.label = disks.volumeLabel(drive.letter);
        drives.push_back(std::move(drive));
    }
    return drives;
}

std::vector<ui::DriveEntry> driveEntries(const std::vector<DriveFacts>& drives, ui::LetterCase letterCase) {
    std::vector<ui::DriveEntry> entries;
    entries.reserve(drives.size());
    for (const auto& d : drives)
        entries.push_back({d.letter, driveEntryText(d.letter, d.type, d.label, d.networkName, letterCase)});
    return entries;
}

std::vector<ui::DriveEntry> listDrives(platform::Disks& disks, ui::LetterCase letterCase) {
    return driveEntries(readDrives(disks), letterCase);
}

} // namespace vx
