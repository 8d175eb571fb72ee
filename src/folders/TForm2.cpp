#include "folders/TForm2.h"
#include "app/Application.h"
#include "folders/PanelPlacement.h"

namespace vx {

TForm2::TForm2(Application& app) : app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm2";
    spec.caption = L"Открыть";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 116;
    spec.clientHeight = 88;
    spec.topmost = true;
    spec.background = ui::Colour::system(ui::syscolour::ActiveBorder);
    window_ = app.platform.ui.createForm(spec);
    window_->onClose = [this] { FormClose(); };
}

void TForm2::FormCreate() {
    const Rect panel = app_.panelWindow().bounds();
    Rect r = window_->bounds();
    r.top = besidePanelTop(app_.platform.system.screenHeight(), panel);
    r.left = panel.width + 8;
    window_->setBounds(r);
}

void TForm2::FormClose() { app_.flags.DriveDialogShown = false; }

} // namespace vx
