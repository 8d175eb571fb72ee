#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vx::platform {

// Drive types with the system's numbers.
namespace drivetype {
constexpr int Unknown = 0;
constexpr int NoRootDirectory = 1;
constexpr int Removable = 2;
constexpr int Fixed = 3;
constexpr int Remote = 4;
constexpr int CdRom = 5;
constexpr int RamDisk = 6;
} // namespace drivetype

// Bytes of a drive: free for the current user, and the drive's size; both -1 when the drive
// cannot be queried.
struct DiskSpace {
    std::int64_t free = -1;
    std::int64_t total = -1;
    friend bool operator==(const DiskSpace&, const DiskSpace&) = default;
};

// Logical drives, their types, labels and free space. Drives are named by their upper-case
// letter; every query goes to the drive's root "X:\".
class Disks {
  public:
    virtual ~Disks() = default;
    // One bit per drive that the system reports: bit 0 is A, bit 25 is Z.
    virtual std::uint32_t logicalDrives() = 0;
    virtual int driveType(wchar_t letter) = 0;
    // The volume label, read with the system's critical-error boxes switched off (an empty
    // drive gives no prompt); nothing when it cannot be read.
    virtual std::optional<std::wstring> volumeLabel(wchar_t letter) = 0;
    // The network name a remote drive is connected to; nothing when there is none.
    virtual std::optional<std::wstring> networkName(wchar_t letter) = 0;
    virtual DiskSpace space(wchar_t letter) = 0;
};

} // namespace vx::platform
