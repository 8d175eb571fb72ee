#pragma once
#include "platform/Screen.h"

namespace vx::win32 {

class Win32Screen : public platform::Screen {
  public:
};

} // namespace vx::win32
