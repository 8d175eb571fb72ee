#include "tools/TForm3.h"
#include "app/Application.h"

namespace vx {

TForm3::TForm3(Application& app) : Sweeper(app), Tray(app), app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm3";
    spec.caption = L"Form3";
    spec.frame = ui::Frame::None;
    spec.clientWidth = ToolBarWidth;
    spec.clientHeight = ToolBarHeight;
    window_ = app.platform.ui.createForm(spec);
}

void TForm3::FormCreate() {
    auto& flags = app_.flags;
    flags.FavouritesShown = false;
    flags.DriveDialogShown = false;
    flags.PlayerShown = false;
    const int screenHeight = app_.platform.system.screenHeight();
    window_->setBounds(
        {Left, screenHeight - GapAboveScreenBottom - ToolBarHeight, ToolBarWidth, ToolBarHeight});
}

} // namespace vx
