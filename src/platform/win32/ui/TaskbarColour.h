#pragma once
#include <windows.h>
#include <optional>

namespace vx::win32 {

// The colour of the taskbar's own surface beside a window docked into it at `docked` (in the
// taskbar's client pixels), read from the screen: half way between the taskbar's left edge and
// the window, in the middle of the height the two share. Nothing when something else covers
// that point at the moment (a button of the taskbar shown for a while, a menu, a tooltip), so a
// passing window never gives its colour.
std::optional<COLORREF> taskbarColourBeside(HWND taskbar, const RECT& docked);

} // namespace vx::win32
