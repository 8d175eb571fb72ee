#include "app/TForm1.h"
#include "app/Application.h"
#include "app/LaunchLog.h"
#include "platform/Error.h"
#include "platform/ui/Guard.h"
#include "tools/ScreenShot.h"

namespace vx {

namespace {
constexpr wchar_t CloseQuestion[] = L"Вы действительно хотите закрыть Vextral ?";
constexpr wchar_t ShutdownQuestion[] = L"Вы действительно хотите завершить работу Windows";
} // namespace

TForm1::TForm1(Application& app) : app_(app), MediaPlayer1(app.platform.mci) {
    ui::FormSpec params;
    params.windowClass = L"TForm1";
    params.caption = L"Form1";
    params.frame = ui::Frame::None;
    params.clientWidth = 285;
    params.clientHeight = 95;
    params.left = 342;
    params.top = 282;
    params.topmost = true;
    window_ = app.platform.ui.createForm(params);
    MediaPlayer1.setNotifyWindow(window_->handle());

    SpeedButton2 = &window_->addSpeedButton({1002, {0, 0, 25, 22}, {}});
    SpeedButton2->setGlyph(ui::Glyph::ArrowUp);
    SpeedButton2->setHint(L"Развернуть");
    SpeedButton2->onClick = [this] { SpeedButton2Click(); };

    SpeedButton1 = &window_->addSpeedButton({1001, {25, 0, 25, 22}, {}});
    SpeedButton1->setGlyph(ui::Glyph::StartFlag);
    SpeedButton1->setHint(L"Пуск");
    SpeedButton1->onClick = [this] { SpeedButton1Click(); };

    PopupMenu1 = &window_->addPopupMenu();
    PopupMenu1->addItem(L"Закрыть", [this] { N5Click(); });
    PopupMenu1->addItem(L"Настройка", [this] { N1Click(); });
    PopupMenu1->addItem(L"-", nullptr);
    PopupMenu1->addItem(L"О программе", [this] { N4Click(); });
    SpeedButton2->setPopupMenu(PopupMenu1);

    window_->onClose = [this] { FormClose(); };
    app.platform.ui.onTaskbarCreated = [this] { TaskbarCreated(); };
    app.platform.ui.onShutdownCancelled = [this] { ShutdownCancelled(); };
    window_->addTimer(ShellWatchMs, [this] { keepStartButtonHidden(); });
}

void TForm1::FormCreate() {
    // A launch log that cannot be written is reported; the bar is still set up.
    ui::guarded(app_.platform.ui, [this] {
        writeLaunchLog(app_.platform.files, app_.platform.system, app_.programFolder());
    });
    // Without a settings key the program still runs: reads give empty texts, writes report.
    ui::guarded(app_.platform.ui, [this] { app_.Settings.RegCreate(); });
    app_.Settings.open();
    Pusk(false);
    window_->dock(TaskbarWnd, Rect{3, 0, BarWidth, BarHeight});
}

void TForm1::Pusk(bool show) {
    auto& shell = app_.platform.shell;
    TaskbarWnd = shell.findTaskbar();
    StartButtonWnd = TaskbarWnd ? shell.firstForeignChild(TaskbarWnd) : 0;
    if (StartButtonWnd)
        shell.show(StartButtonWnd, show);
}

void TForm1::TaskbarCreated() {
    if (!app_.Settings.isOpen())
        return; // on the way out: the Start button stays as the exit left it
    Pusk(false);
    window_->dock(TaskbarWnd, Rect{3, 0, BarWidth, BarHeight});
}

void TForm1::keepStartButtonHidden() {
    if (!app_.Settings.isOpen())
        return; // the exit or shutdown sequence has shown the Start button on purpose
    auto& shell = app_.platform.shell;
    // Hiding a button that holds the mouse capture would cancel the press in progress.
    if (StartButtonWnd && shell.isVisible(StartButtonWnd) && !shell.hasCapture(StartButtonWnd))
        shell.show(StartButtonWnd, false);
}

void TForm1::SpeedButton1Click() {
    if (StartButtonWnd)
        app_.platform.shell.pressButton(StartButtonWnd);
}

void TForm1::SpeedButton2Click() {
    auto& flags = app_.flags;
    if (flags.PanelUnfolded) {
        SpeedButton2->setGlyph(ui::Glyph::ArrowUp);
        app_.panelWindow().hide();
        SpeedButton2->setHint(L"Развернуть");
    } else {
        SpeedButton2->setGlyph(ui::Glyph::ArrowDown);
        app_.panelWindow().show();
        SpeedButton2->setHint(L"Свернуть");
    }
    flags.PanelUnfolded = !flags.PanelUnfolded;
}

void TForm1::AllFormClose() {
    auto& flags = app_.flags;
    if (flags.PlayerShown)
        app_.playerWindow().close();
    if (flags.DriveDialogShown)
        app_.driveDialogWindow().close();
    if (flags.FavouritesShown)
        app_.favouritesWindow().close();
    if (flags.PanelUnfolded)
        SpeedButton2Click();
    if (flags.AddFolderShown)
        app_.addFolderWindow().close();
}

void TForm1::confirmAndClose() {
    if (!app_.platform.ui.ask(ui::QuestionKind::Confirmation, CloseQuestion))
        return;
    AllFormClose();
    window_->close();
}

void TForm1::Power() {
    if (!app_.platform.ui.ask(ui::QuestionKind::Information, ShutdownQuestion))
        return;
    app_.storePlayerResume();
    app_.saveLastPlaylist();
    app_.Settings.release();
    Pusk(true);
    AllFormClose();
    // Without the shutdown privilege enabled the request fails on every NT system.
    auto& actions = app_.platform.actions;
    auto failure = actions.enableShutdownPrivilege();
    if (!failure)
        failure = actions.shutdown();
    if (!failure) {
        shutdownRequested_ = true; // until Windows ends the program or calls the shutdown off
        return;
    }
    // Not shutting down after all: take the program back to its running state, then report.
    resumeRunning();
    throw Error(*failure);
}

void TForm1::ShutdownCancelled() {
    if (!shutdownRequested_)
        return; // somebody else's shutdown: this program had not prepared for it
    resumeRunning();
}

void TForm1::resumeRunning() {
    shutdownRequested_ = false;
    Pusk(false);
    app_.Settings.open();
}

void TForm1::ScreenShot(const std::wstring& fileName) {
    saveScreenShot(app_.platform.screen, app_.platform.files, fileName);
}

void TForm1::N5Click() { confirmAndClose(); }

void TForm1::N1Click() { app_.settingsWindow().show(); }

void TForm1::N4Click() { app_.aboutWindow().showModal(); }

void TForm1::FormClose() {
    app_.storePlayerResume(); // while the engine still knows the position
    app_.closeMediaEngine();
    app_.saveLastPlaylist();
    app_.Settings.release();
    Pusk(true);
}

} // namespace vx
