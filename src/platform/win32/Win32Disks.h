#pragma once
#include "platform/Disks.h"

namespace vx::win32 {

class Win32Disks : public platform::Disks {
  public:
    std::uint32_t logicalDrives() override;
    int driveType(wchar_t letter) override;
    std::optional<std::wstring> volumeLabel(wchar_t letter) override;
    std::optional<std::wstring> networkName(wchar_t letter) override;
    platform::DiskSpace space(wchar_t letter) override;
};

} // namespace vx::win32
