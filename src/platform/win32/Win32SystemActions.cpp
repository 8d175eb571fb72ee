#include "platform/win32/Win32SystemActions.h"
#include "platform/win32/Handles.h"
#include <windows.h>

namespace vx::win32 {

std::wstring systemErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        text = L"System error " + std::to_wstring(code);
    return text;
}

std::optional<bool> Win32SystemActions::screenSaverActive() {
    BOOL active = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0))
        return std::nullopt;
    return active != FALSE;
}

void Win32SystemActions::startScreenSaver() {
    PostMessageW(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

std::optional<std::wstring> Win32SystemActions::enableShutdownPrivilege() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw))
        return systemErrorText(GetLastError());
    UniqueHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return systemErrorText(GetLastError());
    // Success of the call alone does not mean the privilege was granted: ERROR_NOT_ALL_ASSIGNED
    // says the account does not hold it.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) ||
        GetLastError() != ERROR_SUCCESS)
        return systemErrorText(GetLastError());
    return std::nullopt;
}

std::optional<std::wstring> Win32SystemActions::shutdown() {
    if (!ExitWindowsEx(EWX_SHUTDOWN, 1))
        return systemErrorText(GetLastError());
    return std::nullopt;
}

} // namespace vx::win32
