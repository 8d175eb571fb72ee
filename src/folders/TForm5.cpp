#include "folders/TForm5.h"
#include "app/Application.h"
#include "folders/PanelPlacement.h"

namespace vx {

TForm5::TForm5(Application& app) : app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm5";
    spec.caption = L"Добавить папку";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 169;
    spec.clientHeight = 153;
    spec.background = ui::Colour::rgb(160, 160, 164);
    window_ = app.platform.ui.createForm(spec);
    window_->onClose = [this] { FormClose(); };
}

void TForm5::FormCreate() {
    const Rect panel = app_.panelWindow().bounds();
    const Rect favourites = app_.favouritesWindow().bounds();
    Rect r = window_->bounds();
    r.top = besidePanelTop(app_.platform.system.screenHeight(), panel);
    r.left = panel.width + 10 + favourites.width;
    window_->setBounds(r);
}

void TForm5::FormClose() { app_.flags.AddFolderShown = false; }

} // namespace vx
