#pragma once
#include "platform/WindowList.h"

namespace vx::win32 {

class Win32WindowList : public platform::WindowList {
  public:
};

} // namespace vx::win32
