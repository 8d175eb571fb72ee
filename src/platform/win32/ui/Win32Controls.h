#pragma once
#include "platform/ui/Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/WindowBase.h"
#include <functional>
#include <vector>

namespace vx::win32 {

class Win32Form;

// A flat button: raised edge under the mouse, sunken while pressed, glyph in the middle.
// Its window text is its hint, which the form's tooltip shows.
class Win32SpeedButton : public WindowBase, public ui::SpeedButton {
  public:
    Win32SpeedButton(Win32Form& form, const ui::ControlSpec& params);
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd()); }
    int id() const override { return id_; }
    void setGlyph(ui::Glyph glyph) override;
    ui::Glyph glyph() const override { return glyph_; }
    void setHint(const std::wstring& hint) override;
    std::wstring hint() const override { return hint_; }
    void setPopupMenu(ui::PopupMenu* menu) override { popup_ = menu; }

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    void mouseDown(ui::MouseButton button);

    Win32Form& form_;
    int id_;
    ui::Glyph glyph_ = ui::Glyph::None;
    std::wstring hint_;
    ui::PopupMenu* popup_ = nullptr;
    bool hot_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    bool toolAdded_ = false;
};

class Win32Label : public ui::Label {
  public:
    Win32Label(Win32Form& form, const ui::ControlSpec& params, const std::wstring& text);
    ~Win32Label() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void setText(const std::wstring& text) override;
    std::wstring text() const override;

  private:
    // Widens the label when its text needs more room than it has (fonts differ between systems
    // and scales); it never shrinks below its designed width.
    void fitText(const std::wstring& text);
    HWND hwnd_;
    HFONT font_;
    int id_;
};

class Win32PopupMenu : public ui::PopupMenu {
  public:
    explicit Win32PopupMenu(Win32Form& form);
    int addItem(const std::wstring& caption, std::function<void()> onClick) override;
    void setChecked(int index, bool checked) override;
    bool checked(int index) const override;
    void popupAt(int x, int y) override;
    // The same at a point already in screen pixels.
    void popupAtPixels(int x, int y);

  private:
    Win32Form& form_;
    UniqueMenu menu_;
    std::vector<std::function<void()>> handlers_;
};

class Win32Timer : public ui::Timer {
  public:
    Win32Timer(Win32Form& form, UINT_PTR id, int intervalMs, std::function<void()> onTick);
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }
    int interval() const override { return interval_; }
    // Runs the handler for a WM_TIMER of this timer; a tick that arrives while the handler
    // still runs (inside an error box, say) is skipped.
    void fire(UINT_PTR id);

  private:
    Win32Form& form_;
    UINT_PTR id_;
    int interval_;
    bool enabled_ = false;
    bool running_ = false;
    std::function<void()> onTick_;
};

} // namespace vx::win32
