#pragma once
#include "platform/ui/ProgressBar.h"
#include <windows.h>

namespace vx::win32 {

class Win32Form;

// The system progress bar; its hint goes into the form's tooltip as a tool of its own, so it
// shows whatever the form's other hints do.
class Win32ProgressBar : public ui::ProgressBar {
  public:
    Win32ProgressBar(Win32Form& form, const ui::ProgressBarSpec& params);
    ~Win32ProgressBar() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void setMax(int max) override;
    int max() const override;
    void setPosition(int position) override;
    int position() const override;
    void setHint(const std::wstring& hint) override;
    std::wstring hint() const override { return hint_; }
    void repaint() override;

  private:
    Win32Form& form_;
    HWND hwnd_;
    int id_;
    std::wstring hint_;
    bool toolAdded_ = false;
};

} // namespace vx::win32
