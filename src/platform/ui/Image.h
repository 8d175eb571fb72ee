#pragma once
#include "platform/ui/Controls.h"
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vx::ui {

// The mouse buttons held down at a press.
struct MouseShift {
    bool left = false;
    bool right = false;
};

// A part of a picture that acts as a button, with the name that assistive technology reads.
struct ImageButton {
    int id = 0; // a stable control ID
    Rect rect;  // in the picture's pixels
    std::wstring name;
};

// A picture of width x height pixels, row by row from the top, each 0x00RRGGBB.
struct ImageSpec : ControlSpec {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::vector<ImageButton> buttons;
};

// A still picture drawn from the program's own pixels. A press of any mouse button reports the
// buttons held down and the point within the picture.
class Image : public Control {
  public:
    std::function<void(MouseShift, int x, int y)> onMouseDown;
};

} // namespace vx::ui
