#include "app/AnsiText.h"
#include "app/LaunchLog.h"
#include "platform/Error.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32System.h"
#include "player/FolderImport.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <map>
#include <windows.h>

using namespace vx;

namespace {

struct Win32FilesTest : ::testing::Test {
    std::wstring folder;
    win32::Win32Files files;
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vx_files_test\\";
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    void TearDown() override {
        for (const auto& e : files.list(folder.substr(0, folder.size() - 1)))
            DeleteFileW((folder + e.name).c_str());
        RemoveDirectoryW(folder.c_str());
    }
    static std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }
};

} // namespace

TEST_F(Win32FilesTest, WriteReplacesWholeAndLeavesNoTemporaryFile) {
    const std::wstring path = folder + L"Плейлист.m3u";
    EXPECT_FALSE(files.exists(path));
    files.writeAll(path, bytes("old\r\n"));
    files.writeAll(path, bytes("new\r\n"));
    EXPECT_EQ(files.readAll(path), bytes("new\r\n"));
    auto entries = files.list(folder.substr(0, folder.size() - 1));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, L"Плейлист.m3u");
    files.append(path, bytes("more"));
    EXPECT_EQ(files.readAll(path), bytes("new\r\nmore"));

    // A rewrite keeps what the user gave the file.
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    files.writeAll(path, bytes("kept\r\n"));
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));

    // A read-only file is not replaced behind the user's back: the write fails and says so.
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        files.writeAll(path, bytes("lost\r\n"));
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileCreateError& e) {
        EXPECT_EQ(e.code(), IoError::AccessDenied);
    }
    EXPECT_EQ(files.readAll(path), bytes("kept\r\n"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.list(folder.substr(0, folder.size() - 1)).size(), 1u) << "no temporary file is left";

    // A save stopped between giving its temporary file a hidden file's attributes and the rename
    // left that file behind, and the file itself has gone since. The next save goes through all
    // the same (Windows refuses to create over a hidden file with normal attributes; Wine does it
    // but keeps the file hidden), and the new file is not hidden.
    const std::wstring fresh = folder + L"Новый.m3u", leftover = fresh + L".vxtmp";
    CloseHandle(CreateFileW(leftover.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr));
    ASSERT_NE(GetFileAttributesW(leftover.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    files.writeAll(fresh, bytes("after\r\n"));
    EXPECT_EQ(files.readAll(fresh), bytes("after\r\n"));
    EXPECT_EQ(GetFileAttributesW(fresh.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(GetFileAttributesW(leftover.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the temporary took the file's place";
}

// What the import's walk needs to know of a folder: hidden and system together, and a link.
TEST_F(Win32FilesTest, ListMarksHiddenSystemFoldersAndLinks) {
    const std::wstring hidden = folder + L"hidden", system = folder + L"system", link = folder + L"link";
    ASSERT_TRUE(CreateDirectoryW(hidden.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(system.c_str(), nullptr));
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    // Wine answers success without making a link: the link counts only when it is there.
    const bool linked = CreateSymbolicLinkW(link.c_str(), system.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) != 0 &&
                        GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
    std::map<std::wstring, platform::DirEntry> byName;
    for (auto& e : files.list(folder.substr(0, folder.size() - 1)))
        byName[e.name] = e;
    RemoveDirectoryW(link.c_str());
    SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(hidden.c_str());
    RemoveDirectoryW(system.c_str());
    EXPECT_TRUE(byName[L"hidden"].directory);
    EXPECT_FALSE(byName[L"hidden"].hiddenSystem || byName[L"hidden"].link);
    EXPECT_TRUE(byName[L"system"].hiddenSystem);
    EXPECT_FALSE(byName[L"system"].link);
    if (linked)
        EXPECT_TRUE(byName[L"link"].link);
    else
        std::printf("[ note     ] no directory link could be made here; the link case is not checked\n");
}

// The import's walk reaches a folder whose path is longer than MAX_PATH characters.
TEST_F(Win32FilesTest, WalkReachesFoldersBeyondMaxPath) {
    const std::wstring top = folder + L"deep";
    std::vector<std::wstring> made{top};
    while (made.back().size() < 300)
        made.push_back(made.back() + L"\\" + std::wstring(60, L'd'));
    for (const auto& f : made)
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + f).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
    const std::wstring song = made.back() + L"\\song.mp3";
    CloseHandle(CreateFileW((L"\\\\?\\" + song).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            0, nullptr));
    const FoundMedia found = findMediaTree(files, top, nullptr);
    DeleteFileW((L"\\\\?\\" + song).c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
    EXPECT_EQ(found.paths, std::vector<std::wstring>{song}) << song.size() << " characters";
}

TEST_F(Win32FilesTest, ErrorsCarryTheSystemCodes) {
    try {
        files.readAll(folder + L"missing.m3u");
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.message(), L"File not found");
    }
    try {
        files.writeAll(folder + L"no such folder\\x.bmp", bytes("x"));
        FAIL();
    } catch (const FileCreateError& e) {
        EXPECT_EQ(e.code(), 3);
    }
    EXPECT_FALSE(files.exists(folder + L"no such folder\\x.bmp"));
}

TEST_F(Win32FilesTest, LaunchLogThroughTheRealFileApi) {
    win32::Win32System system;
    writeLaunchLog(files, system, folder);
    writeLaunchLog(files, system, folder);
    auto data = files.readAll(folder + L"WinStart.txt");
    std::string text(data.begin(), data.end());
    const std::string header = "\xC7\xE0\xEF\xF3\xF1\xEA\xE8 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\r\n";
    ASSERT_EQ(text.substr(0, header.size()), header);
    std::string rest = text.substr(header.size());
    int lines = 0;
    for (std::size_t p = rest.find("\r\n"); p != std::string::npos; p = rest.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(text.back(), '\n');
}

TEST(Win32System, ProgramPathIsTheRunningExecutable) {
    win32::Win32System system;
    std::wstring path = system.programPath();
    EXPECT_NE(path.find(L"vx_win_tests.exe"), std::wstring::npos);
    EXPECT_TRUE(win32::runningUnderWine() || !path.empty());
}

TEST(Win32System, AnsiTextIsExactOrReportedLost) {
    win32::Win32System system;
    if (GetACP() != 1251)
        GTEST_SKIP() << "needs the Cyrillic code page";
    EXPECT_EQ(exactAnsi(system, L"C:\\Музыка\\a.mp3"), std::optional<std::string>("C:\\\xCC\xF3\xE7\xFB\xEA\xE0\\a.mp3"));
    // "é" and "ö" are not in code page 1251: never a look-alike, always reported.
    bool exact = true;
    const std::string bytes = system.toAnsi(L"Café Möbius", &exact);
    EXPECT_FALSE(exact) << bytes;
    EXPECT_EQ(exactAnsi(system, L"Café"), std::nullopt);
}
