#pragma once
#include "platform/Screen.h"

namespace vx::fakes {

// A screen whose next capture is set by the test; counts the captures taken.
class FakeScreen : public platform::Screen {
  public:
    platform::Image image{2, 1, 24, 8, true, {1, 2, 3, 4, 5, 6, 0, 0}};
    int captures = 0;
    platform::Image capture() override {
        ++captures;
        return image;
    }
};

} // namespace vx::fakes
