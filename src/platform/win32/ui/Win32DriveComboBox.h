#pragma once
#include "platform/ui/DriveComboBox.h"
#include <windows.h>

namespace vx::win32 {

class Win32Form;

// The drive picker over a drop-down list combo box; the current drive and the visible
// selection follow ui::DriveSelection.
class Win32DriveComboBox : public ui::DriveComboBox {
  public:
    Win32DriveComboBox(Win32Form& form, const ui::DriveComboBoxSpec& params);
    ~Win32DriveComboBox() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    wchar_t drive() const override { return selection_.drive(); }
    void setDrive(wchar_t letter) override;
    int count() const override { return int(selection_.entries().size()); }
    std::wstring item(int index) const override { return selection_.entries().at(std::size_t(index)).text; }
    int selectedIndex() const override { return selection_.selectedIndex(); }

  private:
    static LRESULT CALLBACK subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void paintFlatFrame();
    void showSelection();

    HWND hwnd_;
    int id_;
    bool flat_;
    bool dropDownOnTyping_;
    COLORREF background_;
    ui::DriveSelection selection_;
};

} // namespace vx::win32
