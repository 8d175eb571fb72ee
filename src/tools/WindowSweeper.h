#pragma once
#include "platform/Types.h"
#include <string>

namespace vx {

class Application;

// Minimises, or asks to close, the main windows of the other applications on the desktop: every
// top-level window that is not the program's application window, not the shell's desktop window
// titled "Program manager", visible, unowned and titled. The program's other windows are owned by
// its application window, so they are never touched.
class WindowSweeper {
  public:
    static constexpr const wchar_t* DesktopTitle = L"Program manager";
    static constexpr int TitleBufferChars = 128;

    explicit WindowSweeper(Application& app) : app_(app) {}
    void minimiseAll(); // the panel button's left click
    void closeAll();    // a right-button press on it

  private:
    enum class Action { Minimise, Close };
    void sweep(Action action);
    bool eligible(WindowId window, WindowId ownApplication, WindowId desktop);

    Application& app_;
};

} // namespace vx
