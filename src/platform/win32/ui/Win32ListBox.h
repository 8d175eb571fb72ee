#pragma once
#include "platform/ui/Controls.h"
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace vx::win32 {

class Win32Form;

// The system list box with its own strings, in the list's colours (the form answers
// WM_CTLCOLORLISTBOX). The control holds the texts, so another process and assistive technology
// read every entry with LB_GETTEXT. A bulk fill reserves the storage up front and adds the
// strings with redrawing switched off. It is not owner-drawn: an owner-drawn list would send a
// WM_DELETEITEM for every entry at each clear. Notifications come back through the form, keys
// through a subclass.
class Win32ListBox : public ui::ListBox {
  public:
    Win32ListBox(Win32Form& form, const ui::ListBoxSpec& params);
    ~Win32ListBox() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void addItem(const std::wstring& text) override;
    void addItems(std::vector<std::wstring> texts) override;
    void addTexts(const std::vector<const wchar_t*>& texts) override;
    void deleteItem(int index) override;
    void clear() override;
    int count() const override;
    std::wstring item(int index) const override;
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;

  private:
    // A classic window-procedure subclass: under Wine the common controls' SetWindowSubclass
    // looks its data up in the server on every message, which made a bulk fill a hundred times
    // slower.
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    Win32Form& form_;
    HWND hwnd_;
    WNDPROC original_ = nullptr;
    int id_;
    bool handCursor_;
};

class Win32Button : public ui::Button {
  public:
    Win32Button(Win32Form& form, const ui::ButtonSpec& params);
    ~Win32Button() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void setText(const std::wstring& text) override;
    std::wstring text() const override;

  private:
    HWND hwnd_;
    int id_;
    HIMAGELIST glyph_ = nullptr;
};

} // namespace vx::win32
