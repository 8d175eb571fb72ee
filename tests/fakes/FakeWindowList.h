#pragma once
#include "platform/WindowList.h"

namespace vx::fakes {

class FakeWindowList : public platform::WindowList {
  public:
};

} // namespace vx::fakes
