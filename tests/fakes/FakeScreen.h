#pragma once
#include "platform/Screen.h"
#include <functional>

namespace vx::fakes {

// A screen whose next capture is set by the test; counts the captures taken.
class FakeScreen : public platform::Screen {
  public:
    platform::Image image{2, 1, 24, 8, true, {1, 2, 3, 4, 5, 6, 0, 0}};
    int captures = 0;
    std::function<void()> onCapture; // runs as the capture is taken, so a test can see what came first
    platform::Image capture() override {
        ++captures;
        if (onCapture)
            onCapture();
        return image;
    }
};

} // namespace vx::fakes
