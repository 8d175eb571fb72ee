#pragma once

namespace vx {

class Application;

// Minimises, or asks to close, the main windows of the other applications on the desktop.
class WindowSweeper {
  public:
    explicit WindowSweeper(Application& app) : app_(app) {}
    void minimiseAll(); // the panel button's left click
    void closeAll();    // a right-button press on it

  private:
    Application& app_;
};

} // namespace vx
