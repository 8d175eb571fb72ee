#pragma once
#include "platform/SystemActions.h"

namespace vx::fakes {

class FakeSystemActions : public platform::SystemActions {
  public:
};

} // namespace vx::fakes
