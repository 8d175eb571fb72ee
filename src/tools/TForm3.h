#pragma once
#include "platform/ui/Dialogs.h"
#include "app/TaskbarPlaces.h"
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
    // Control IDs: the bar, and ToolButtonN has ToolBarId + N.
    static constexpr int ToolBarId = 3000;

    explicit TForm3(Application& app);
    void FormCreate();
    // Stands above a bottom taskbar, below a top one, beside a vertical one, for the taskbar as it is when the window is shown.
    void place();
    ui::Form& window() { return *window_; }

    void ToolButton2Click();
    void ToolButton8Click();
    void ToolButton3Click();
    void ToolButton3MouseDown(ui::MouseButton button);
    void ToolButton6Click();
    void ToolButton7Click();
    void ToolButton7MouseDown(ui::MouseButton button);
    void ToolButton5Click();
    void ToolButton4Click();
    void ToolButton4MouseDown(ui::MouseButton button);
    void ToolButton9Click();

    // The dialogs the panel owns: the screenshot file and the player's media files.
    ui::FileDialogSpec SPD = screenshotDialogSpec();
    ui::FileDialogSpec OpenDialog1 = mediaOpenDialogSpec();
    WindowSweeper Sweeper;
    CdTray Tray;

    ui::ToolBar* ToolBar1 = nullptr;
    ui::ToolButton* ToolButton2 = nullptr;
    ui::ToolButton* ToolButton8 = nullptr;
    ui::ToolButton* ToolButton3 = nullptr;
    ui::ToolButton* ToolButton6 = nullptr;
    ui::ToolButton* ToolButton7 = nullptr;
    ui::ToolButton* ToolButton5 = nullptr;
    ui::ToolButton* ToolButton4 = nullptr;
    ui::ToolButton* ToolButton9 = nullptr;

  private:
    ui::ToolButton& addButton(int number, ui::Glyph glyph, const wchar_t* hint);
    // Shows a closed window, or closes a shown one (its close handler clears its flag).
    static void toggle(ui::Form& window, bool& shown);

    Application& app_;
    std::unique_ptr<ui::Form> window_;
    FollowedPlace place_;
};

} // namespace vx
