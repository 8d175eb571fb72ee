#include "app/LaunchLog.h"
#include "app/Cp1251.h"

namespace vx {

std::string launchLogHeader() { return cp1251::encode(L"Запуски программы") + "\r\n"; }

std::string launchLogLine(platform::System& system, const platform::LocalTime& now) {
    std::wstring text = system.shortDate(now);
    if (now.hour != 0 || now.minute != 0 || now.second != 0)
        text += L" " + system.longTime(now);
    return system.toAnsi(text) + "\r\n";
}

void writeLaunchLog(platform::Files& files, platform::System& system, const std::wstring& folder) {
    const std::wstring path = folder + L"WinStart.txt";
    auto bytes = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
    if (!files.exists(path))
        files.writeAll(path, bytes(launchLogHeader()));
    files.append(path, bytes(launchLogLine(system, system.localNow())));
}

} // namespace vx
