#pragma once
#include "platform/Types.h"
#include <string>

namespace vx::platform {

// The shell's taskbar, its Start button, and the shell's explorer.
class Shell {
  public:
    virtual ~Shell() = default;
    // The window of class "Shell_TrayWnd", or 0.
    virtual WindowId findTaskbar() = 0;
    // The taskbar's first child window that does not belong to this program, or 0.
    virtual WindowId firstForeignChild(WindowId taskbar) = 0;
    virtual bool isVisible(WindowId window) = 0;
    virtual void show(WindowId window, bool visible) = 0;
    // True while the window holds its thread's mouse capture (a button in the middle of a press).
    virtual bool hasCapture(WindowId window) = 0;
    // A left-button press at (5, 0), sent and waited for; no release follows.
    virtual void pressButton(WindowId button) = 0;
    // Opens the path in the shell's explorer ("explore"); the result is not examined.
    virtual void explore(WindowId owner, const std::wstring& path) = 0;
};

} // namespace vx::platform
