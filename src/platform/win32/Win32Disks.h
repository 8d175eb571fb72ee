#pragma once
#include "platform/Disks.h"

namespace vx::win32 {

class Win32Disks : public platform::Disks {
  public:
};

} // namespace vx::win32
