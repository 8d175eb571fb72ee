#pragma once
#include "platform/Screen.h"

namespace vx::win32 {

// One block transfer from the screen's device context into a DIB section; PNG through the
// Windows Imaging Component; the clipboard as CF_DIB.
class Win32Screen : public platform::Screen {
  public:
    platform::Image capture() override;
    std::vector<std::uint8_t> encodePng(const platform::Image& image) override;
    bool copyToClipboard(const std::vector<std::uint8_t>& packedDib) override;
};

} // namespace vx::win32
