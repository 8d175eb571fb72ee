#pragma once
#include "platform/ui/ToolBar.h"
#include "platform/win32/ui/WindowBase.h"
#include <commctrl.h>
#include <memory>
#include <vector>

namespace vx::win32 {

class Win32Form;

// A flat tool button: raised inner edge under the mouse, sunken while pressed. Its window text
// is its hint, which the form's tooltip shows.
class Win32ToolButton : public WindowBase, public ui::ToolButton {
  public:
    Win32ToolButton(Win32Form& form, HWND bar, const ui::ToolButtonSpec& params, const RECT& place);
    ~Win32ToolButton() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd()); }
    int id() const override { return params_.id; }
    ui::Glyph glyph() const override { return params_.glyph; }
    std::wstring hint() const override { return params_.hint; }

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    void setHot(bool hot);
    void mouseDown(ui::MouseButton button);
    bool inside(LPARAM lParam) const;
    TTTOOLINFOW toolInfo();

    Win32Form& form_;
    HWND bar_;
    ui::ToolButtonSpec params_;
    bool hot_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    bool toolAdded_ = false;
};

// The bar under the buttons: edges on all four sides, the hand pointer, the form's background.
class Win32ToolBar : public WindowBase, public ui::ToolBar {
  public:
    Win32ToolBar(Win32Form& form, const ui::ToolBarSpec& params);
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd()); }
    int id() const override { return params_.id; }
    ui::ToolButton& addButton(const ui::ToolButtonSpec& params) override;

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    Win32Form& form_;
    ui::ToolBarSpec params_;
    std::vector<std::unique_ptr<Win32ToolButton>> buttons_;
};

} // namespace vx::win32
