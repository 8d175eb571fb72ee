#pragma once
#include "platform/Screen.h"

namespace vx::fakes {

class FakeScreen : public platform::Screen {
  public:
};

} // namespace vx::fakes
