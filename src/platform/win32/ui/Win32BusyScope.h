#pragma once
#include "platform/ui/Toolkit.h"
#include <windows.h>

namespace vx::win32 {

// The wait cursor for as long as the scope lives. Each look for Escape (at most every 50 ms)
// also repaints the program's windows and answers messages sent by other threads, so the
// windows neither stay blank nor hold up another program; clicks wait, other keys are dropped.
class Win32BusyScope : public ui::BusyScope {
  public:
    Win32BusyScope();
    ~Win32BusyScope() override;
    Win32BusyScope(const Win32BusyScope&) = delete;
    Win32BusyScope& operator=(const Win32BusyScope&) = delete;
    bool cancelRequested() override;

    static constexpr DWORD LookEveryMs = 50;

  private:
    HCURSOR previous_;
    DWORD lastLook_;
    bool cancelled_ = false;
};

} // namespace vx::win32
