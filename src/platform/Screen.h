#pragma once

namespace vx::platform {

// The primary screen's pixels.
class Screen {
  public:
    virtual ~Screen() = default;
};

} // namespace vx::platform
