#include "platform/win32/ui/TaskbarMark.h"

namespace vx::win32 {

TaskbarMark TaskbarMark::read(HWND taskbar, HWND start) {
    TaskbarMark mark;
    HWND placed = start ? start : taskbar;
    if (!placed || !GetWindowRect(placed, &mark.place))
        mark.place = {};
    // The style word holds the Start window's own visibility: one read, where IsWindowVisible
    // would read each of its parents too.
    else if (start)
        mark.startShown = (GetWindowLongW(start, GWL_STYLE) & WS_VISIBLE) != 0;
    return mark;
}

bool TaskbarMark::operator==(const TaskbarMark& other) const {
    return EqualRect(&place, &other.place) && startShown == other.startShown;
}

} // namespace vx::win32
