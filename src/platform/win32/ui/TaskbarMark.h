#pragma once
#include <windows.h>

namespace vx::win32 {

// What the docked bar depends on, in the two reads a check once a second can afford where the
// system sends no events (Wine): where the Start window is on the screen and whether it is
// shown. The Start window lies in the taskbar, so a taskbar that moves, grows or slides away
// moves it too; a taskbar without one is read by its own rectangle. A window that went reads as
// empty. The whole layout is read again only when this changes.
struct TaskbarMark {
    RECT place{};
    bool startShown = false;

    static TaskbarMark read(HWND taskbar, HWND start);
    bool operator==(const TaskbarMark& other) const;
};

} // namespace vx::win32
