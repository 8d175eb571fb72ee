#pragma once
#include <windows.h>
#include <commdlg.h>

namespace vx::win32 {

// A hook for the common open and save dialogs that adds a pane at the right showing the
// selected bitmap, scaled to fit.
UINT_PTR CALLBACK picturePreviewHook(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace vx::win32
