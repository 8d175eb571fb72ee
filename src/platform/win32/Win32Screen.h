#pragma once
#include "platform/Screen.h"

namespace vx::win32 {

// One block transfer from the screen's device context into a DIB section.
class Win32Screen : public platform::Screen {
  public:
    platform::Image capture() override;
};

} // namespace vx::win32
