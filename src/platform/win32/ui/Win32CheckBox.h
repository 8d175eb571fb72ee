#pragma once
#include "platform/ui/CheckBox.h"
#include <windows.h>

namespace vx::win32 {

class Win32Form;

// A system check box that ticks itself on a click or the space bar.
class Win32CheckBox : public ui::CheckBox {
  public:
    Win32CheckBox(Win32Form& form, const ui::CheckBoxSpec& params);
    ~Win32CheckBox() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void setChecked(bool checked) override;
    bool checked() const override;

  private:
    HWND hwnd_;
    int id_;
};

} // namespace vx::win32
