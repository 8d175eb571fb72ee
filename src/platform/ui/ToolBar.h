#pragma once
#include "platform/ui/Controls.h"
#include <functional>
#include <string>

namespace vx::ui {

// One flat icon button of a tool bar: a 16 x 16 glyph and a hint shown as its tooltip (an empty
// hint shows none). Its window text is its name (the hint, when it has one), so tests and
// accessibility tools can read it.
class ToolButton : public Control {
  public:
    virtual Glyph glyph() const = 0;
    virtual std::wstring hint() const = 0;

    std::function<void()> onClick;                // left button released over the button
    std::function<void(MouseButton)> onMouseDown; // any button pressed; a right press gives no click
};

struct ToolButtonSpec {
    int id = 0;
    Glyph glyph = Glyph::None;
    std::wstring hint;
    std::wstring name; // the accessible name of a button without a hint
};

struct ToolBarSpec : ControlSpec {
    int buttonWidth = 24;
    int buttonHeight = 22;
};

// A column of flat buttons on a transparent bar with raised inner and outer edges, the hand
// pointer over the whole bar and the buttons' hints as tooltips. Every button ends its row.
class ToolBar : public Control {
  public:
    // Adds a button below the last one.
    virtual ToolButton& addButton(const ToolButtonSpec& params) = 0;
};

} // namespace vx::ui
