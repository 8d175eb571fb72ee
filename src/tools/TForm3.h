#pragma once
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "tools/CdTray.h"
#include "tools/PanelDialogs.h"
#include "tools/WindowSweeper.h"
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

    // The dialogs the panel owns: the screenshot file and the player's media files.
    ui::FileDialogSpec SPD = screenshotDialogSpec();
    ui::FileDialogSpec OpenDialog1 = mediaOpenDialogSpec();
    WindowSweeper Sweeper;
    CdTray Tray;

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
