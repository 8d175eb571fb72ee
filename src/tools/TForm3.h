#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The tool panel: a borderless column of tool buttons above the taskbar at the screen's left.
class TForm3 {
  public:
    static constexpr int ToolBarWidth = 28;
    static constexpr int ToolBarHeight = 180;
    static constexpr int Left = 4;
    static constexpr int GapAboveScreenBottom = 29;

    explicit TForm3(Application& app);
    void FormCreate();
    ui::Form& window() { return *window_; }

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
