#pragma once
#include <windows.h>

namespace vx::win32 {

// What the docked bar depends on, in the few reads a check once a second can afford where the
// system sends no events (Wine): the taskbar's and the Start window's rectangles on the screen
// and whether the Start window is shown. A taskbar that went reads as empty. The whole layout
// is read again only when this changes.
struct TaskbarMark {
    RECT taskbar{};
    RECT start{};
    bool startShown = false;

    static TaskbarMark read(HWND taskbar, HWND start);
    bool operator==(const TaskbarMark& other) const;
};

} // namespace vx::win32
