#include "tools/TForm6.h"
#include "app/Application.h"

namespace vx {

TForm6::TForm6(Application& app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm6";
    spec.caption = L"Настройка";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 213;
    spec.clientHeight = 119;
    spec.left = 413;
    spec.top = 292;
    window_ = app.platform.ui.createForm(spec);
}

} // namespace vx
