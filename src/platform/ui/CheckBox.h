#pragma once
#include "platform/ui/Controls.h"

namespace vx::ui {

struct CheckBoxSpec : ControlSpec {
    std::wstring text;
};

class CheckBox : public Control {
  public:
    virtual void setChecked(bool checked) = 0;
    virtual bool checked() const = 0;
};

} // namespace vx::ui
