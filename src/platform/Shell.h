#pragma once
#include "platform/Types.h"
#include <optional>
#include <string>

namespace vx::platform {

// How the taskbar stands on the screen, in the program's 96-dpi units.
struct TaskbarLayout {
    Rect bounds;  // the taskbar's client area on the screen (partly off it while auto-hidden)
    Rect start;   // the Start window in the taskbar's client coordinates; empty without one
    // The taskbar draws its Start button itself, inside one child window laid over the whole
    // taskbar: the Start window only marks where the drawn button is, and hiding it or pressing
    // it does nothing.
    bool startDrawn = false;
    // The monitor the taskbar stands on, on the screen (another monitor than the primary one may
    // lie at negative coordinates), and the part of it left to windows: without the taskbar
    // unless it hides itself, and without other bars docked at its edges. Empty when unknown.
    Rect monitor{};
    Rect workArea{};
};

// The shell's taskbar, its Start button, and the shell's explorer.
class Shell {
  public:
    virtual ~Shell() = default;
    // The window of class "Shell_TrayWnd", or 0.
    virtual WindowId findTaskbar() = 0;
    // The taskbar's Start window: its child of class "Start", else, on a taskbar that draws no
    // Start button of its own, its first child window that does not belong to this program;
    // or 0.
    virtual WindowId startWindow(WindowId taskbar) = 0;
    virtual bool isVisible(WindowId window) = 0;
    virtual void show(WindowId window, bool visible) = 0;
    // True while the window holds its thread's mouse capture (a button in the middle of a press).
    virtual bool hasCapture(WindowId window) = 0;
    // A left-button press at (5, 0), sent and waited for; no release follows.
    virtual void pressButton(WindowId button) = 0;
    // Where the taskbar and its Start window stand now (`start` may be 0); nothing once the
    // taskbar has gone.
    virtual std::optional<TaskbarLayout> taskbarLayout(WindowId taskbar, WindowId start) = 0;
    // Ctrl+Esc as keyboard input, which opens the Start menu, with the modifier keys the user
    // holds let go for it and pressed again after. False only when the Esc press was known not to
    // reach the input stream; input that another process of higher integrity drops cannot be
    // told from input that arrived.
    virtual bool sendStartMenuKeys() = 0;
    // Posts the taskbar the system command that opens the Start menu (SC_TASKLIST).
    virtual void postStartMenuCommand(WindowId taskbar) = 0;
    // Opens the path in the shell's explorer ("explore"); the result is not examined.
    virtual void explore(WindowId owner, const std::wstring& path) = 0;
};

} // namespace vx::platform
