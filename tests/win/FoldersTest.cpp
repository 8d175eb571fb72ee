#include "folders/DirsFile.h"
#include "folders/DrivePicker.h"
#include "platform/Error.h"
#include "platform/win32/Win32Disks.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "tools/AutoRun.h"
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;

namespace {

// A letter that names no drive on this machine.
wchar_t missingLetter() {
    const DWORD mask = GetLogicalDrives();
    for (int i = 25; i >= 0; --i)
        if (!(mask & (1u << i)))
            return wchar_t(L'A' + i);
    return 0;
}

} // namespace

TEST(Win32Disks, DriveCIsAFixedDriveWithItsOwnFigures) {
    win32::Win32Disks disks;
    EXPECT_TRUE(disks.logicalDrives() & (1u << 2));
    EXPECT_EQ(disks.driveType(L'C'), platform::drivetype::Fixed);
    auto space = disks.space(L'C');
    EXPECT_GT(space.total, 0);
    EXPECT_GE(space.free, 0);
    EXPECT_LE(space.free, space.total);
    EXPECT_TRUE(disks.volumeLabel(L'C').has_value());

    auto entries = listDrives(disks, ui::LetterCase::Upper);
    bool found = false;
    for (const auto& e : entries)
        found = found || (e.letter == L'C' && e.text.rfind(L"C: [", 0) == 0 && e.text.back() == L']');
    EXPECT_TRUE(found);
}

TEST(Win32Disks, ALetterWithoutADriveFailsQuietlyAndRestoresTheErrorMode) {
    win32::Win32Disks disks;
    const wchar_t letter = missingLetter();
    ASSERT_NE(letter, 0);
    EXPECT_FALSE(disks.logicalDrives() & (1u << (letter - L'A')));
    EXPECT_EQ(disks.driveType(letter), platform::drivetype::NoRootDirectory);
    EXPECT_EQ(disks.space(letter), (platform::DiskSpace{-1, -1}));
    EXPECT_FALSE(disks.networkName(letter).has_value());

    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    EXPECT_FALSE(disks.volumeLabel(letter).has_value());
    EXPECT_EQ(SetErrorMode(before), UINT(SEM_NOGPFAULTERRORBOX));
}

TEST(Win32AutoRun, TheRunValueIsWrittenQuotedWithItsZeroAndDeleted) {
    win32::Win32Registry registry;
    const std::wstring program = L"C:\\Program Files\\Vextral test\\vextral.exe";
    autorun::apply(registry, program, true);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, autorun::RunKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    wchar_t data[MAX_PATH] = {};
    size = sizeof(data);
    ASSERT_EQ(RegQueryValueExW(key, autorun::ValueName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    const std::wstring expected = L"\"" + program + L"\"";
    EXPECT_EQ(std::wstring(data), expected);
    EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t)) << "stored with its terminating zero";

    autorun::apply(registry, program, false);
    EXPECT_EQ(RegQueryValueExW(key, autorun::ValueName, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_NO_THROW(autorun::apply(registry, program, false)) << "deleting an absent value is no error";
    RegCloseKey(key);
}

namespace {

struct DirsFileOnDisk : ::testing::Test {
    std::wstring folder;
    std::wstring path;
    win32::Win32Files files;
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vx_dirs_test\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        path = folder + dirsfile::FileName;
    }
    void TearDown() override {
        RemoveDirectoryW((path + L".vxtmp").c_str());
        DeleteFileW(path.c_str());
        RemoveDirectoryW((folder + L"Папка с очень длинным именем").c_str());
        RemoveDirectoryW(folder.c_str());
    }
};

} // namespace

TEST_F(DirsFileOnDisk, RecordsSurviveTheRealFileApiAndAFailedSaveKeepsTheOldFile) {
    const std::vector<std::string> entries{"C:\\Program Files", "", std::string(100, 'x')};
    files.writeAll(path, dirsfile::encode(entries));
    auto bytes = files.readAll(path);
    EXPECT_EQ(bytes.size(), 303u);
    EXPECT_EQ(dirsfile::decode(bytes), entries);

    // The temporary file cannot be made (a folder holds its name): the old file stays whole.
    ASSERT_TRUE(CreateDirectoryW((path + L".vxtmp").c_str(), nullptr));
    EXPECT_THROW(files.writeAll(path, dirsfile::encode({"D:\\"})), IoError);
    EXPECT_EQ(files.readAll(path), bytes);

    RemoveDirectoryW((path + L".vxtmp").c_str());
    files.writeAll(path, {});
    EXPECT_TRUE(files.exists(path));
    EXPECT_TRUE(files.readAll(path).empty());
}

TEST_F(DirsFileOnDisk, AFailedMoveIntoPlaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto old = dirsfile::encode({"C:\\Old"});
    files.writeAll(path, old);
    // Another program holds the file open without sharing: the new file cannot replace it.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_THROW(files.writeAll(path, dirsfile::encode({"C:\\Old", "D:\\New"})), FileCreateError);
    EXPECT_EQ(GetFileAttributesW((path + L".vxtmp").c_str()), INVALID_FILE_ATTRIBUTES);
    CloseHandle(held);
    EXPECT_EQ(files.readAll(path), old);
    const auto entries = files.list(folder.substr(0, folder.size() - 1));
    std::vector<std::wstring> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    EXPECT_EQ(names, std::vector<std::wstring>{dirsfile::FileName}) << "nothing else beside the file";
}

TEST_F(DirsFileOnDisk, ShortPathsNameTheSameFolder) {
    const std::wstring longFolder = folder + L"Папка с очень длинным именем";
    ASSERT_TRUE(CreateDirectoryW(longFolder.c_str(), nullptr));
    const std::wstring shortForm = files.shortPath(longFolder);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_NE(shortForm, longFolder);
    const DWORD attributes = GetFileAttributesW(shortForm.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(files.shortPath(folder + L"missing folder").empty());
}
