#pragma once
#include "platform/ui/Controls.h"
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace vx::win32 {

class Win32Form;

// The name of the registered message that reads one entry of a list box from another process
// (an automation or test client): wParam is the entry's index, lParam the window that receives the
// text as WM_COPYDATA (dwData = the index). Answers TRUE when the entry exists.
constexpr wchar_t ListTextMessageName[] = L"VextralListText";

// The system list box in owner-data mode: the texts live here, the control only counts, selects,
// scrolls and asks for each visible row to be drawn. That makes a fill of a hundred thousand
// entries one LB_SETCOUNT instead of a hundred thousand string copies inside the control.
// Notifications come back through the form, keys through a subclass.
class Win32ListBox : public ui::ListBox {
  public:
    Win32ListBox(Win32Form& form, const ui::ListBoxSpec& params);
    ~Win32ListBox() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    void addItem(const std::wstring& text) override;
    void addItems(std::vector<std::wstring> texts) override;
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
    void drawItem(const DRAWITEMSTRUCT& item) const;
    LRESULT textLength(WPARAM index) const;
    LRESULT copyText(WPARAM index, wchar_t* buffer) const;
    bool sendText(WPARAM index, HWND receiver) const;
    Win32Form& form_;
    std::vector<std::wstring> items_;
    COLORREF textColour_;
    COLORREF background_;
    HFONT font_;
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
