#include "platform/win32/Win32Disks.h"
#include <windows.h>
#include <winnetwk.h>

namespace vx::win32 {

namespace {

std::wstring rootOf(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

// Switches the system's critical-error boxes off for one query and puts the old mode back.
class QuietErrorMode {
  public:
    QuietErrorMode() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietErrorMode() { SetErrorMode(previous_); }
    QuietErrorMode(const QuietErrorMode&) = delete;
    QuietErrorMode& operator=(const QuietErrorMode&) = delete;

  private:
    UINT previous_;
};

} // namespace

std::uint32_t Win32Disks::logicalDrives() { return std::uint32_t(GetLogicalDrives()); }

int Win32Disks::driveType(wchar_t letter) { return int(GetDriveTypeW(rootOf(letter).c_str())); }

std::optional<std::wstring> Win32Disks::volumeLabel(wchar_t letter) {
    wchar_t label[MAX_PATH + 1] = {};
    QuietErrorMode quiet;
    if (!GetVolumeInformationW(rootOf(letter).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return std::nullopt;
    return std::wstring(label);
}

std::optional<std::wstring> Win32Disks::networkName(wchar_t letter) {
    const std::wstring local = std::wstring(1, letter) + L":";
    DWORD size = MAX_PATH;
    std::wstring remote(size, L'\0');
    DWORD result = WNetGetConnectionW(local.c_str(), remote.data(), &size);
    if (result == ERROR_MORE_DATA) {
        remote.assign(size, L'\0');
        result = WNetGetConnectionW(local.c_str(), remote.data(), &size);
    }
    if (result != NO_ERROR)
        return std::nullopt;
    remote.resize(wcsnlen(remote.c_str(), remote.size()));
    return remote;
}

platform::DiskSpace Win32Disks::space(wchar_t letter) {
    ULARGE_INTEGER available{}, total{};
    QuietErrorMode quiet;
    if (!GetDiskFreeSpaceExW(rootOf(letter).c_str(), &available, &total, nullptr))
        return {};
    return {std::int64_t(available.QuadPart), std::int64_t(total.QuadPart)};
}

} // namespace vx::win32
