#pragma once
#include <optional>
#include <string>

namespace vx::platform {

// Shutting Windows down and the screen saver.
class SystemActions {
  public:
    virtual ~SystemActions() = default;
    // Whether a screen saver is enabled (SPI_GETSCREENSAVEACTIVE); nothing when the query fails.
    virtual std::optional<bool> screenSaverActive() = 0;
    // Posts WM_SYSCOMMAND / SC_SCREENSAVE to the desktop window; does not wait.
    virtual void startScreenSaver() = 0;
    // Enables the shutdown privilege in the process token; the system's error text on failure.
    virtual std::optional<std::wstring> enableShutdownPrivilege() = 0;
    // ExitWindowsEx(EWX_SHUTDOWN, 1); the system's error text when the request is refused.
    virtual std::optional<std::wstring> shutdown() = 0;
};

} // namespace vx::platform
