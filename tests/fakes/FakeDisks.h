#pragma once
#include "platform/Disks.h"
#include <map>
#include <vector>

namespace vx::fakes {

// Drives by upper-case letter; a letter that is not listed has no drive.
class FakeDisks : public platform::Disks {
  public:
    struct Drive {
        int type = platform::drivetype::Fixed;
        std::optional<std::wstring> label;
        std::optional<std::wstring> network;
        platform::DiskSpace space;
    };
    std::map<wchar_t, Drive> drives{{L'C', Drive{platform::drivetype::Fixed, L"System", {}, {5368709120, 21474836480}}}};
    std::vector<wchar_t> queried; // letters whose space was asked for
    int labelReads = 0;

    std::uint32_t logicalDrives() override {
        std::uint32_t mask = 0;
        for (auto& [letter, drive] : drives)
            mask |= 1u << (letter - L'A');
        return mask;
    }
    int driveType(wchar_t letter) override {
        auto it = drives.find(letter);
        return it == drives.end() ? platform::drivetype::NoRootDirectory : it->second.type;
    }
    std::optional<std::wstring> volumeLabel(wchar_t letter) override {
        ++labelReads;
        auto it = drives.find(letter);
        return it == drives.end() ? std::nullopt : it->second.label;
    }
    std::optional<std::wstring> networkName(wchar_t letter) override {
        auto it = drives.find(letter);
        return it == drives.end() ? std::nullopt : it->second.network;
    }
    platform::DiskSpace space(wchar_t letter) override {
        queried.push_back(letter);
        auto it = drives.find(letter);
        return it == drives.end() ? platform::DiskSpace{} : it->second.space;
    }
};

} // namespace vx::fakes
