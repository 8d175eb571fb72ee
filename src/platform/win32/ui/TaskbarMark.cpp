#include "platform/win32/ui/TaskbarMark.h"

namespace vx::win32 {

TaskbarMark TaskbarMark::read(HWND taskbar, HWND start) {
    TaskbarMark mark;
    if (taskbar && !GetWindowRect(taskbar, &mark.taskbar))
        mark.taskbar = {};
    // The style word holds the Start window's own visibility: one read, where IsWindowVisible
    // would read each of its parents too.
    if (start && GetWindowRect(start, &mark.start))
        mark.startShown = (GetWindowLongW(start, GWL_STYLE) & WS_VISIBLE) != 0;
    else
        mark.start = {};
    return mark;
}

bool TaskbarMark::operator==(const TaskbarMark& other) const {
    return EqualRect(&taskbar, &other.taskbar) && EqualRect(&start, &other.start) &&
           startShown == other.startShown;
}

} // namespace vx::win32
