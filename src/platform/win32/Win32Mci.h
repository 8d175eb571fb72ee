#pragma once
#include "platform/Mci.h"

namespace vx::win32 {

class Win32Mci : public platform::Mci {
  public:
    platform::MciOpenResult open(const std::wstring& deviceType, const std::wstring& element,
                                 std::uint32_t flags) override;
    std::uint32_t command(std::uint32_t device, std::uint32_t message, std::uint32_t flags,
                          std::uint32_t position, WindowId callback) override;
    std::uint32_t status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) override;
    std::wstring errorText(std::uint32_t error) override;
};

} // namespace vx::win32
