#pragma once
#include "platform/ui/DirectoryListBox.h"
#include <windows.h>
#include <vector>

namespace vx::win32 {

class Win32Form;

// The folder browser: an owner-drawn list box holding the open folder's path from the drive's
// root down and, indented below it, the open folder's subfolders.
class Win32DirectoryListBox : public ui::DirectoryListBox {
  public:
    Win32DirectoryListBox(Win32Form& form, const ui::DirectoryListBoxSpec& params);
    ~Win32DirectoryListBox() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    std::wstring directory() const override { return folder_; }
    void setDirectory(const std::wstring& folder) override;
    void openDrive(wchar_t letter) override;

  private:
    struct Entry {
        std::wstring path;
        std::wstring name;
        int depth;
    };
    static LRESULT CALLBACK subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void fill();
    void openSelected();
    void draw(const DRAWITEMSTRUCT& item);

    Win32Form& form_;
    HWND hwnd_;
    int id_;
    std::wstring folder_;
    std::vector<Entry> entries_;
    int openIndex_ = 0; // the entry of the open folder
};

} // namespace vx::win32
