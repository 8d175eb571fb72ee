#pragma once
#include <cstdint>

namespace vx {

// An opaque window handle as the system gives it; 0 means no window.
using WindowId = std::uintptr_t;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vx
