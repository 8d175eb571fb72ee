#pragma once

namespace vx::platform {

// The top-level windows of the desktop, for the window sweeper.
class WindowList {
  public:
    virtual ~WindowList() = default;
};

} // namespace vx::platform
