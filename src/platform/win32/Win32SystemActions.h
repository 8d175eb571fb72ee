#pragma once
#include "platform/SystemActions.h"

namespace vx::win32 {

class Win32SystemActions : public platform::SystemActions {
  public:
};

} // namespace vx::win32
