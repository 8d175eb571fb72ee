#include "player/TForm8.h"
#include "app/Application.h"

namespace vx {

TForm8::TForm8(Application& app) : app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm8";
    spec.caption = L"Плеер";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 207;
    spec.clientHeight = 237;
    spec.background = ui::Colour::rgb(0, 0, 0);
    window_ = app.platform.ui.createForm(spec);
    window_->onClose = [this] { FormClose(); };
}

void TForm8::FormCreate() {
    Rect r = window_->bounds();
    r.top = app_.platform.system.screenHeight() - r.height - 29;
    r.left = Left;
    window_->setBounds(r);
}

void TForm8::FormClose() {
    app_.flags.PlayerShown = false;
    saveLastPlaylist();
}

// The media engine and the playlist join the player window with the playlist's own code.
void TForm8::closeMediaEngine() {}
void TForm8::saveLastPlaylist() {}

} // namespace vx
