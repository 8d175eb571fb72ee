#include "player/TForm9.h"
#include "app/Application.h"

namespace vx {

TForm9::TForm9(Application& app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm9";
    spec.caption = L"Vextral";
    spec.frame = ui::Frame::Sizeable;
    spec.clientWidth = 209; // outer 225 x 272 with the sizeable frame
    spec.clientHeight = 234;
    spec.left = 279;
    spec.top = 145;
    window_ = app.platform.ui.createForm(spec);
}

} // namespace vx
