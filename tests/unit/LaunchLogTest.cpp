#include "app/LaunchLog.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeSystem.h"
#include <gtest/gtest.h>

using namespace vx;

TEST(LaunchLog, HeaderOnceThenOneLinePerStartInExactBytes) {
    fakes::FakeFiles files;
    fakes::FakeSystem system;
    const std::wstring folder = L"C:\\V\\";
    writeLaunchLog(files, system, folder);
    // "Запуски программы" in Windows-1251.
    const std::string header = "\xC7\xE0\xEF\xF3\xF1\xEA\xE8 \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\r\n";
    EXPECT_EQ(files.text(L"C:\\V\\WinStart.txt"), header + "08.12.2026 20:18:05\r\n");

    system.now = {2026, 12, 9, 7, 5, 0, 0};
    writeLaunchLog(files, system, folder);
    EXPECT_EQ(files.text(L"C:\\V\\WinStart.txt"), header + "08.12.2026 20:18:05\r\n09.12.2026 7:05:00\r\n");
}

TEST(LaunchLog, MidnightLeavesTheTimeOut) {
    fakes::FakeSystem system;
    EXPECT_EQ(launchLogLine(system, {2026, 1, 2, 0, 0, 0, 999}), "02.01.2026\r\n");
    EXPECT_EQ(launchLogLine(system, {2026, 1, 2, 0, 0, 1, 0}), "02.01.2026 0:00:01\r\n");
}

TEST(LaunchLog, AFormatThatTheCodePageCannotHoldExactlyIsLoggedInDigits) {
    // The user's date separator has no form in the code page, which writes a look-alike.
    struct System : fakes::FakeSystem {
        std::wstring shortDate(const platform::LocalTime&) override { return L"08\u20A412\u20A42026"; }
    } system;
    EXPECT_EQ(launchLogLine(system, system.now), "2026-12-08 20:18:05\r\n") << "not a question mark";
    system.bestFit[L'\u20A4'] = '.';
    EXPECT_EQ(launchLogLine(system, system.now), "2026-12-08 20:18:05\r\n") << "not a look-alike";
    EXPECT_EQ(launchLogLine(system, {2026, 1, 2, 0, 0, 0, 0}), "2026-01-02\r\n");
}

TEST(LaunchLog, UnwritableFileRaisesTheFileError) {
    fakes::FakeFiles files;
    fakes::FakeSystem system;
    files.unwritable.insert(L"C:\\V\\WinStart.txt");
    try {
        writeLaunchLog(files, system, L"C:\\V\\");
        FAIL() << "expected an error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.message(), L"File access denied");
    }
}
