#include "folders/TForm4.h"
#include "app/Application.h"
#include "folders/PanelPlacement.h"

namespace vx {

TForm4::TForm4(Application& app) : app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm4";
    spec.caption = L"Открыть папку";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 295;
    spec.clientHeight = 153;
    spec.topmost = true;
    spec.background = ui::Colour::rgb(160, 160, 164);
    window_ = app.platform.ui.createForm(spec);
    window_->onClose = [this] { FormClose(); };
}

void TForm4::FormCreate() {
    const Rect panel = app_.panelWindow().bounds();
    Rect r = window_->bounds();
    r.top = besidePanelTop(app_.platform.system.screenHeight(), panel);
    r.left = panel.width + 8;
    window_->setBounds(r);
}

void TForm4::FormClose() { app_.flags.FavouritesShown = false; }

} // namespace vx
