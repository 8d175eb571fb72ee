#include "platform/win32/ui/TaskbarColour.h"
#include "platform/win32/Handles.h"
#include <algorithm>
#include <iterator>

namespace vx::win32 {

namespace {

// The taskbar itself, or a window inside it that only carries its surface. A button of the
// taskbar (the shell's Start button shows for a moment when the shell lays out its buttons)
// and a window of this program are not its surface.
bool isTaskbarSurface(HWND hit, HWND taskbar) {
    if (hit == taskbar)
        return true;
    if (!hit || GetAncestor(hit, GA_ROOT) != taskbar)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(hit, &process);
    if (process == GetCurrentProcessId())
        return false;
    wchar_t name[16]{};
    GetClassNameW(hit, name, int(std::size(name)));
    return lstrcmpiW(name, L"Button") != 0 && lstrcmpiW(name, L"Start") != 0;
}

} // namespace

std::optional<COLORREF> taskbarColourBeside(HWND taskbar, const RECT& docked) {
    RECT client{};
    if (!IsWindow(taskbar) || !IsWindowVisible(taskbar) || !GetClientRect(taskbar, &client))
        return std::nullopt;
    const LONG bottom = std::min(docked.bottom, client.bottom);
    if (docked.left <= 0 || bottom <= docked.top)
        return std::nullopt; // no column of the taskbar left of the window
    POINT at{docked.left / 2, (docked.top + bottom) / 2};
    ClientToScreen(taskbar, &at);
    if (!isTaskbarSurface(WindowFromPoint(at), taskbar))
        return std::nullopt;
    WindowDc screen(nullptr);
    const COLORREF colour = GetPixel(screen.get(), at.x, at.y);
    if (colour == CLR_INVALID)
        return std::nullopt;
    return colour;
}

} // namespace vx::win32
