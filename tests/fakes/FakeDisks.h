#pragma once
#include "platform/Disks.h"

namespace vx::fakes {

class FakeDisks : public platform::Disks {
  public:
};

} // namespace vx::fakes
