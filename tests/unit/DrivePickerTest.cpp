#include "fakes/FakeDisks.h"
#include "folders/DrivePicker.h"
#include <gtest/gtest.h>

using namespace vx;
using ui::LetterCase;
namespace dt = platform::drivetype;

TEST(DrivePicker, EntryTextsPerDriveType) {
    const std::optional<std::wstring> none;
    EXPECT_EQ(driveEntryText(L'A', dt::Removable, L"floppy", none, LetterCase::Upper), L"A:");
    EXPECT_EQ(driveEntryText(L'C', dt::Fixed, L"System", none, LetterCase::Upper), L"C: [SYSTEM]");
    EXPECT_EQ(driveEntryText(L'C', dt::Fixed, L"Система", none, LetterCase::Upper), L"C: [СИСТЕМА]");
    EXPECT_EQ(driveEntryText(L'E', dt::CdRom, none, none, LetterCase::Upper), L"E: []");
    EXPECT_EQ(driveEntryText(L'R', dt::RamDisk, L"ram", none, LetterCase::Upper), L"R: [RAM]");
    EXPECT_EQ(driveEntryText(L'N', dt::Remote, L"data", L"\\\\server\\Share", LetterCase::Upper),
              L"N: \\\\SERVER\\SHARE");
    EXPECT_EQ(driveEntryText(L'N', dt::Remote, L"data", none, LetterCase::Upper), L"N: [DATA]");

    EXPECT_EQ(driveEntryText(L'A', dt::Removable, none, none, LetterCase::Lower), L"a:");
    EXPECT_EQ(driveEntryText(L'C', dt::Fixed, L"Система Ёж", none, LetterCase::Lower), L"c: [система ёж]");
    EXPECT_EQ(driveEntryText(L'N', dt::Remote, none, L"\\\\Server\\Share", LetterCase::Lower),
              L"n: \\\\server\\share");
}

TEST(DrivePicker, ListsReportedDrivesInLetterOrderWithoutUnusableTypes) {
    fakes::FakeDisks disks;
    disks.drives = {
        {L'A', {dt::Removable, L"x", {}, {}}},
        {L'B', {dt::Unknown, L"x", {}, {}}},
        {L'C', {dt::Fixed, L"Win", {}, {}}},
        {L'D', {dt::NoRootDirectory, {}, {}, {}}},
        {L'E', {dt::CdRom, {}, {}, {}}},
        {L'Z', {dt::Remote, L"lbl", L"\\\\h\\s", {}}},
    };
    auto entries = listDrives(disks, LetterCase::Upper);
    std::vector<ui::DriveEntry> expected{{L'A', L"A:"}, {L'C', L"C: [WIN]"}, {L'E', L"E: []"}, {L'Z', L"Z: \\\\H\\S"}};
    EXPECT_EQ(entries, expected);
    auto lower = listDrives(disks, LetterCase::Lower);
    ASSERT_EQ(lower.size(), 4u);
    EXPECT_EQ(lower[1], (ui::DriveEntry{L'C', L"c: [win]"}));
}

TEST(DriveSelection, CurrentDriveMayBeALetterWithoutAnEntry) {
    ui::DriveSelection s({{L'A', L"A:"}, {L'C', L"C: []"}, {L'D', L"D: []"}}, L'c');
    EXPECT_EQ(s.drive(), L'C');
    EXPECT_EQ(s.selectedIndex(), 1);

    EXPECT_FALSE(s.setDrive(L'C')) << "same letter, already selected: no change event";
    EXPECT_TRUE(s.setDrive(L'd'));
    EXPECT_EQ(s.drive(), L'D');
    EXPECT_EQ(s.selectedIndex(), 2);

    EXPECT_TRUE(s.setDrive(L'Q')) << "a letter with no drive still becomes current";
    EXPECT_EQ(s.drive(), L'Q');
    EXPECT_EQ(s.selectedIndex(), 2) << "the visible selection stays";

    EXPECT_FALSE(s.setDrive(L':')) << "not a letter";
    EXPECT_EQ(s.drive(), L'Q');

    EXPECT_TRUE(s.pick(0));
    EXPECT_EQ(s.drive(), L'A');
    EXPECT_FALSE(s.pick(0));
    EXPECT_FALSE(s.pick(7));
}

TEST(DriveSelection, NothingSelectedMakesTheFirstSetADue) {
    // The working folder is on a drive the picker does not list (a network path, say).
    ui::DriveSelection s({{L'C', L"C: []"}}, L'X');
    EXPECT_EQ(s.drive(), L'X');
    EXPECT_EQ(s.selectedIndex(), -1);
    EXPECT_TRUE(s.setDrive(L'X'));
    EXPECT_EQ(s.selectedIndex(), -1);
    EXPECT_TRUE(s.setDrive(L'C'));
    EXPECT_EQ(s.selectedIndex(), 0);

    ui::DriveSelection empty({}, 0);
    EXPECT_EQ(empty.drive(), 0);
    EXPECT_TRUE(empty.setDrive(L'e'));
    EXPECT_EQ(empty.drive(), L'E');
}
