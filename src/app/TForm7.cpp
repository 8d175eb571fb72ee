#include "app/TForm7.h"
#include "app/Application.h"

namespace vx {

TForm7::TForm7(Application& app) {
    ui::FormSpec params;
    params.windowClass = L"TForm7";
    params.caption = L"О программе";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 182;
    params.clientHeight = 138;
    params.left = 192;
    params.top = 107;
    window_ = app.platform.ui.createForm(params);

    ui::Font title{L"Times New Roman", 19, true, ui::Colour::rgb(0, 0, 0)};
    ui::Font author{L"Times New Roman", 13, false, ui::Colour::rgb(0, 0, 0)};
    ui::Font plain{};
    window_->addLabel({7002, {40, 8, 130, 24}, title}, L"Vextral");
    window_->addLabel({7001, {8, 40, 170, 18}, author}, L"Автор: команда Vextral");
    window_->addLabel({7005, {8, 64, 170, 16}, plain}, L"Версия 1.1");
    window_->addLabel({7003, {8, 88, 170, 16}, plain}, L"E-mail: team@vextral.example");
    window_->addLabel({7004, {8, 112, 170, 16}, plain}, L"Сайт: vextral.example");
}

} // namespace vx
