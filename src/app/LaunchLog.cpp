#include "app/LaunchLog.h"
#include "app/AnsiText.h"
#include "app/Cp1251.h"
#include <cstdio>

namespace vx {

std::string launchLogHeader() { return cp1251::encode(L"Запуски программы") + "\r\n"; }

std::string launchLogLine(platform::System& system, const platform::LocalTime& now) {
    const bool withTime = now.hour != 0 || now.minute != 0 || now.second != 0;
    std::wstring text = system.shortDate(now);
    if (withTime)
        text += L" " + system.longTime(now);
    if (auto ansi = exactAnsi(system, text))
        return *ansi + "\r\n";
    // The user's formats hold a character the code page lacks: the start is logged in digits
    // rather than with a look-alike or a question mark in its place.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d-%02d-%02d", now.year, now.month, now.day);
    std::string line = digits;
    if (withTime) {
        std::snprintf(digits, sizeof digits, " %02d:%02d:%02d", now.hour, now.minute, now.second);
        line += digits;
    }
    return line + "\r\n";
}

void writeLaunchLog(platform::Files& files, platform::System& system, const std::wstring& folder) {
    const std::wstring path = folder + L"WinStart.txt";
    auto bytes = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
    if (!files.exists(path))
        files.writeAll(path, bytes(launchLogHeader()));
    files.append(path, bytes(launchLogLine(system, system.localNow())));
}

} // namespace vx
