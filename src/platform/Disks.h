#pragma once

namespace vx::platform {

// Logical drives, their types, labels and free space.
class Disks {
  public:
    virtual ~Disks() = default;
};

} // namespace vx::platform
