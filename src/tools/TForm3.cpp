#include "tools/TForm3.h"
#include "app/Application.h"
#include "app/TForm1.h"

namespace vx {

TForm3::TForm3(Application& app) : Sweeper(app), Tray(app), app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm3";
    params.caption = L"Form3";
    params.frame = ui::Frame::None;
    params.clientWidth = ToolBarWidth;
    params.clientHeight = ToolBarHeight;
    window_ = app.platform.ui.createForm(params);
    window_->onBeforeShow = [this] { place(); };

    ui::ToolBarSpec bar;
    bar.id = ToolBarId;
    bar.rect = {0, 0, ToolBarWidth, ToolBarHeight};
    ToolBar1 = &window_->addToolBar(bar);

    ToolButton2 = &addButton(2, ui::Glyph::Key, L"Завершение работы Windows");
    ToolButton2->onClick = [this] { ToolButton2Click(); };
    ToolButton8 = &addButton(8, ui::Glyph::CloseDisc, L"Закрыть");
    ToolButton8->onClick = [this] { ToolButton8Click(); };
    ToolButton3 = &addButton(3, ui::Glyph::DiskDrive, L"Выбрать/Открыть диск");
    ToolButton3->onClick = [this] { ToolButton3Click(); };
    ToolButton3->onMouseDown = [this](ui::MouseButton b) { ToolButton3MouseDown(b); };
    ToolButton6 = &addButton(6, ui::Glyph::CompactDisc, L"Извлечь диск из CD-ROM привода");
    ToolButton6->onClick = [this] { ToolButton6Click(); };
    ToolButton7 = &addButton(7, ui::Glyph::Landscape, L"Включить ScreenSaver/Снимок экрана");
    ToolButton7->onClick = [this] { ToolButton7Click(); };
    ToolButton7->onMouseDown = [this](ui::MouseButton b) { ToolButton7MouseDown(b); };
    ToolButton5 = &addButton(5, ui::Glyph::Folder, L"Открыть папку");
    ToolButton5->onClick = [this] { ToolButton5Click(); };
    ToolButton4 = &addButton(4, ui::Glyph::StackedWindows, L"Свернуть/Закрыть окна");
    ToolButton4->onClick = [this] { ToolButton4Click(); };
    ToolButton4->onMouseDown = [this](ui::MouseButton b) { ToolButton4MouseDown(b); };
    // The player's button has no tooltip, only a name for assistive technology.
    ToolButton9 = &ToolBar1->addButton({ToolBarId + 9, ui::Glyph::PlayTriangle, L"", L"Плеер"});
    ToolButton9->onClick = [this] { ToolButton9Click(); };
}

ui::ToolButton& TForm3::addButton(int number, ui::Glyph glyph, const wchar_t* hint) {
    return ToolBar1->addButton({ToolBarId + number, glyph, hint, {}});
}

void TForm3::FormCreate() {
    auto& flags = app_.flags;
    flags.FavouritesShown = false;
    flags.DriveDialogShown = false;
    flags.PlayerShown = false;
    place();
}

void TForm3::place() { place_.apply(*window_, app_.taskbarPlaces().panel(ToolBarWidth, ToolBarHeight)); }

void TForm3::toggle(ui::Form& window, bool& shown) {
    if (shown) {
        window.close();
    } else {
        window.show();
        shown = true;
    }
}

void TForm3::ToolButton2Click() { app_.Form1->Power(); }

void TForm3::ToolButton8Click() { app_.Form1->confirmAndClose(); }

void TForm3::ToolButton3Click() { toggle(app_.driveDialogWindow(), app_.flags.DriveDialogShown); }

void TForm3::ToolButton3MouseDown(ui::MouseButton button) {
    if (button != ui::MouseButton::Right)
        return;
    const std::wstring drive = app_.Settings.readString(setting::Drive);
    if (drive.empty())
        return; // ":\" names no folder; the shell would show nothing anyway
    app_.platform.shell.explore(app_.Form1->window().handle(), drive + L":\\");
}

void TForm3::ToolButton6Click() { Tray.ToolButton6Click(); }

void TForm3::ToolButton7Click() {
    auto& actions = app_.platform.actions;
    const auto active = actions.screenSaverActive();
    if (active && *active)
        actions.startScreenSaver();
}

void TForm3::ToolButton7MouseDown(ui::MouseButton button) {
    if (button != ui::MouseButton::Right)
        return;
    const auto fileName = app_.platform.ui.runFileDialog(ui::FileDialogKind::Save, SPD);
    if (!fileName)
        return;
    // The picture is of the screen as the user left it, without the dialog just closed.
    app_.platform.ui.letUncoveredWindowsRepaint();
    app_.Form1->ScreenShot(*fileName);
}

void TForm3::ToolButton5Click() { toggle(app_.favouritesWindow(), app_.flags.FavouritesShown); }

void TForm3::ToolButton4Click() { Sweeper.minimiseAll(); }

void TForm3::ToolButton4MouseDown(ui::MouseButton button) {
    if (button == ui::MouseButton::Right)
        Sweeper.closeAll();
}

void TForm3::ToolButton9Click() {
    auto& flags = app_.flags;
    flags.PlayerShown = !flags.PlayerShown;
    if (flags.PlayerShown)
        app_.playerWindow().show();
    else
        app_.playerWindow().hide(); // hidden, not closed: the player's close handler does not run
}

} // namespace vx
