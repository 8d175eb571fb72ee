#pragma once

namespace vx::platform {

// Shutting Windows down and the screen saver.
class SystemActions {
  public:
    virtual ~SystemActions() = default;
};

} // namespace vx::platform
