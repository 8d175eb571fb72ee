#pragma once
#include "platform/Registry.h"

namespace vx::win32 {

class Win32Registry : public platform::Registry {
  public:
    std::unique_ptr<platform::RegistryKey> open(platform::RegRoot root, const std::wstring& path) override;
    bool create(platform::RegRoot root, const std::wstring& path) override;
};

} // namespace vx::win32
