#pragma once
#include <functional>
#include <memory>
#include <windows.h>

namespace vx::win32 {

// Hears, from outside its process, when two windows of another program (the taskbar and its
// Start window) move, change size, show, hide or are destroyed. The system calls back on the
// thread that made the hook, from its message loop, so no work runs in the other process.
class WinEventHook {
  public:
    // `onEvent` runs once for each such event of `first` or `second` (either may be null).
    WinEventHook(HWND first, HWND second, std::function<void()> onEvent);
    // Hears every window that any program creates (under Wine the only window event sent
    // across processes; a new window makes the shell lay out its taskbar).
    static std::unique_ptr<WinEventHook> windowsCreated(std::function<void()> onEvent);
    ~WinEventHook();
    WinEventHook(const WinEventHook&) = delete;
    WinEventHook& operator=(const WinEventHook&) = delete;

    bool watches(HWND first, HWND second) const { return first == first_ && second == second_; }
    // Whether the system took the hook.
    bool active() const { return hook_ != nullptr; }

  private:
    static void CALLBACK onWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                    LONG child, DWORD thread, DWORD time);

    explicit WinEventHook(std::function<void()> onEvent);

    HWND first_ = nullptr;
    HWND second_ = nullptr;
    bool creations_ = false; // hears creations, of any window
    std::function<void()> onEvent_;
    HWINEVENTHOOK hook_ = nullptr;
};

} // namespace vx::win32
