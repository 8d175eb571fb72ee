#pragma once
#include "platform/ui/MediaKeys.h"
#include <windows.h>
#include <shellapi.h>
#include <vector>

namespace vx::win32 {

class Win32Toolkit;

// Makes a control take files and folders dropped from the shell (WM_DROPFILES): its window
// procedure is wrapped, the object found again through a window property, because the control's
// own subclass may use GWLP_USERDATA.
class Win32DropTarget {
  public:
    Win32DropTarget(Win32Toolkit& toolkit, HWND target, ui::DropHandler onDrop);
    ~Win32DropTarget();
    Win32DropTarget(const Win32DropTarget&) = delete;
    Win32DropTarget& operator=(const Win32DropTarget&) = delete;

    // The items of a drop in the order the shell lists them, each marked when it is a folder.
    static std::vector<ui::DroppedItem> itemsOf(HDROP drop);

  private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);

    Win32Toolkit& toolkit_;
    HWND hwnd_;
    WNDPROC previous_ = nullptr;
    ui::DropHandler onDrop_;
};

} // namespace vx::win32
