#pragma once
#include "platform/ui/Controls.h"

namespace vx::ui {

struct ProgressBarSpec : ControlSpec {
    bool smooth = true; // one continuous bar instead of blocks
};

// A bar from 0 to its maximum, with a hint of its own shown as its tooltip.
class ProgressBar : public Control {
  public:
    virtual void setMax(int max) = 0;
    virtual int max() const = 0;
    virtual void setPosition(int position) = 0;
    virtual int position() const = 0;
    virtual void setHint(const std::wstring& hint) = 0;
    virtual std::wstring hint() const = 0;
    // Paints the bar at once instead of at the next paint.
    virtual void repaint() = 0;
};

} // namespace vx::ui
