#include "app/TForm1.h"
#include "app/Application.h"
#include "app/LaunchLog.h"
#include "platform/Error.h"
#include "platform/ui/Guard.h"
#include "tools/ScreenShot.h"
#include <algorithm>

namespace vx {

namespace {
constexpr wchar_t CloseQuestion[] = L"Вы действительно хотите закрыть Vextral ?";
constexpr wchar_t ShutdownQuestion[] = L"Вы действительно хотите завершить работу Windows";
} // namespace

TForm1::TForm1(Application& app) : app_(app), MediaPlayer1(app.platform.mci, app.platform.mediaFoundation) {
    makeWindow();
    app.platform.ui.onTaskbarCreated = [this] { TaskbarCreated(); };
    app.platform.ui.onShutdownCancelled = [this] { ShutdownCancelled(); };
    app.platform.ui.onSessionEnding = [this] { SessionEnding(); };
    // The taskbar or the screen may have changed: nothing here runs while nothing changes.
    app.platform.ui.onWatch = [this] {
        layoutCurrent_ = false;
        keepBar();
        followTaskbar();
    };
}

void TForm1::makeWindow() {
    ui::FormSpec params;
    params.windowClass = L"TForm1";
    params.caption = L"Form1";
    params.frame = ui::Frame::None;
    params.clientWidth = 285;
    params.clientHeight = 95;
    params.left = 342;
    params.top = 282;
    params.topmost = true;
    params.main = true;
    params.transparentBackground = true; // only the glyphs show over the taskbar
    window_ = app_.platform.ui.createForm(params);
    MediaPlayer1.setNotifyWindow(window_->handle());

    SpeedButton2 = &window_->addSpeedButton({1002, {0, 0, 25, 22}, {}});
    // A bar made again during the run shows the panel's state.
    const bool unfolded = app_.flags.PanelUnfolded;
    SpeedButton2->setGlyph(unfolded ? ui::Glyph::ArrowDown : ui::Glyph::ArrowUp);
    SpeedButton2->setHint(unfolded ? L"Свернуть" : L"Развернуть");
    SpeedButton2->onClick = whenWindowsMade(&TForm1::SpeedButton2Click);

    SpeedButton1 = &window_->addSpeedButton({1001, {25, 0, 25, 22}, {}});
    SpeedButton1->setGlyph(ui::Glyph::StartFlag);
    SpeedButton1->setHint(L"Пуск");
    SpeedButton1->onClick = whenWindowsMade(&TForm1::SpeedButton1Click);

    PopupMenu1 = &window_->addPopupMenu();
    PopupMenu1->addItem(L"Закрыть", whenWindowsMade(&TForm1::N5Click));
    PopupMenu1->addItem(L"Настройка", whenWindowsMade(&TForm1::N1Click));
    PopupMenu1->addItem(L"-", nullptr);
    PopupMenu1->addItem(L"О программе", whenWindowsMade(&TForm1::N4Click));
    SpeedButton2->setPopupMenu(PopupMenu1);

    window_->onClose = [this] { FormClose(); };
}

std::function<void()> TForm1::whenWindowsMade(void (TForm1::*handler)()) {
    // The bar shows before the other windows exist; its commands all reach those windows.
    return [this, handler] {
        if (app_.windowsMade())
            (this->*handler)();
    };
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
    dockInTaskbar();
}

TaskbarPlaces TForm1::places() {
    // Read once after each change the watch hears of, not for every window placed.
    if (TaskbarWnd && !layoutCurrent_) {
        layoutCurrent_ = true;
        // A taskbar that has gone keeps its last layout until the shell announces a new one.
        if (auto now = app_.platform.shell.taskbarLayout(TaskbarWnd, StartButtonWnd))
            layout_ = *now;
    }
    // The layout names the monitor the taskbar stands on; the primary screen serves without one.
    auto& system = app_.platform.system;
    return TaskbarPlaces(TaskbarWnd ? layout_ : std::nullopt,
                         {0, 0, system.screenWidth(), system.screenHeight()}, BarWidth, BarHeight);
}

void TForm1::dockInTaskbar() {
    barPlace_ = places().bar();
    window_->dock(TaskbarWnd, *barPlace_);
}

void TForm1::showDocked() {
    window_->show();
    // A window appearing over the taskbar makes the shell lay out its buttons again, which can
    // show the Start button behind the bar.
    Pusk(false);
}

void TForm1::Pusk(bool show) {
    auto& shell = app_.platform.shell;
    TaskbarWnd = shell.findTaskbar();
    StartButtonWnd = TaskbarWnd ? shell.startWindow(TaskbarWnd) : 0;
    layout_ = TaskbarWnd ? shell.taskbarLayout(TaskbarWnd, StartButtonWnd) : std::nullopt;
    layoutCurrent_ = true;
    app_.platform.ui.watchTaskbar(TaskbarWnd, StartButtonWnd);
    // A Start button that the taskbar draws itself does not hide: the bar covers it instead.
    if (StartButtonWnd && !startDrawn())
        shell.show(StartButtonWnd, show);
}

void TForm1::TaskbarCreated() {
    if (life_ == Life::Exiting)
        return; // on the way out: the Start button stays as the exit leaves it
    keepBar();
    // While Power waits, the Start button stays shown; its way back docks the bar.
    if (life_ == Life::Running)
        redock();
}

void TForm1::redock() {
    Pusk(false);
    dockInTaskbar();
    window_->show();
    keepStartButtonHidden(); // the shell may show its Start button again as the bar appears
}

void TForm1::keepBar() {
    // Once the exit has begun the bar is not made again: the form whose close runs the exit
    // must live until that close returns, and the exit ends the program anyway.
    if (window_->exists() || life_ == Life::Exiting)
        return;
    // The taskbar the bar was docked into has gone (the shell ended) and took the bar with it.
    // The program runs on: the bar is made again, hidden, and docks when the shell announces
    // its new taskbar.
    makeWindow();
}

void TForm1::SessionEnding() {
    if (life_ == Life::Exiting)
        return;
    keepBar(); // the bar's close runs the exit, also when the taskbar took the bar along
    window_->close();
}

void TForm1::keepStartButtonHidden() {
    if (life_ != Life::Running)
        return; // the exit or shutdown sequence has shown the Start button on purpose
    auto& shell = app_.platform.shell;
    // Hiding a button that holds the mouse capture would cancel the press in progress.
    if (StartButtonWnd && !startDrawn() && shell.isVisible(StartButtonWnd) && !shell.hasCapture(StartButtonWnd))
        shell.show(StartButtonWnd, false);
}

void TForm1::followTaskbar() {
    if (life_ != Life::Running)
        return; // the exit or shutdown sequence shows the Start button and stays put
    keepStartButtonHidden();
    if (!TaskbarWnd || !window_->exists())
        return;
    // Moved to another edge, made thicker, auto-hidden and shown again, or a drawn Start
    // button that moved along with the taskbar's apps: the bar takes its new place.
    const Rect place = places().bar();
    if (place != barPlace_) {
        barPlace_ = place;
        window_->dock(TaskbarWnd, place);
    }
}

void TForm1::SpeedButton1Click() {
    if (!TaskbarWnd)
        return;
    auto& shell = app_.platform.shell;
    if (StartButtonWnd && !startDrawn()) {
        shell.pressButton(StartButtonWnd);
        return;
    }
    // A drawn Start button takes no press: the keyboard's Ctrl+Esc opens the Start menu, and
    // where keyboard input cannot be sent the taskbar is asked with its own command.
    if (!shell.sendStartMenuKeys())
        shell.postStartMenuCommand(TaskbarWnd);
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

bool TForm1::AllFormClose() {
    return closeAll([this](const std::function<void()>& step) { return ui::guarded(app_.platform.ui, step); });
}

bool TForm1::closeAll(const StepRunner& run) {
    // A close handler that fails (a favourites list that cannot be saved) is reported and
    // the other windows are still closed, so no window stays open for another's failure.
    auto& flags = app_.flags;
    bool allClosed = true;
    auto step = [&run, &allClosed](bool shown, const std::function<void()>& close) {
        if (shown && !run(close))
            allClosed = false;
    };
    step(flags.PlayerShown, [this] { app_.playerWindow().close(); });
    step(flags.DriveDialogShown, [this] { app_.driveDialogWindow().close(); });
    step(flags.FavouritesShown, [this] { app_.favouritesWindow().close(); });
    step(flags.PanelUnfolded, [this] { SpeedButton2Click(); });
    step(flags.AddFolderShown, [this] { app_.addFolderWindow().close(); });
    return allClosed;
}

void TForm1::showAgain(const WindowFlags& before) {
    auto& flags = app_.flags;
    if (before.PanelUnfolded && !flags.PanelUnfolded)
        SpeedButton2Click();
    auto reopen = [](bool wasShown, bool& shown, ui::Form& window) {
        if (wasShown && !shown) {
            window.show();
            shown = true;
        }
    };
    reopen(before.PlayerShown, flags.PlayerShown, app_.playerWindow());
    reopen(before.DriveDialogShown, flags.DriveDialogShown, app_.driveDialogWindow());
    reopen(before.FavouritesShown, flags.FavouritesShown, app_.favouritesWindow());
    reopen(before.AddFolderShown, flags.AddFolderShown, app_.addFolderWindow());
}

void TForm1::confirmAndClose() {
    if (life_ == Life::Exiting)
        return; // the docked bar still takes presses while an error box of the exit is up
    if (!app_.platform.ui.ask(ui::QuestionKind::Confirmation, CloseQuestion))
        return;
    if (life_ == Life::Exiting)
        return; // the session ended while the question was up
    keepBar();
    window_->close(); // the exit sequence closes the other windows first
}

void TForm1::Power() {
    if (life_ != Life::Running)
        return;
    if (!app_.platform.ui.ask(ui::QuestionKind::Information, ShutdownQuestion))
        return;
    if (life_ != Life::Running)
        return; // the question's message loop brought the exit or another request
    windowsBeforeShutdown_ = app_.flags;
    life_ = Life::ShutdownRequested;
    // A failure at any step takes the program back to its running state (Start button hidden,
    // store open, windows shown as before), then reports; unless an error box's message loop
    // ran the exit meanwhile, which nothing takes back.
    try {
        app_.saveLastPlaylist();
        app_.storePlayerResume(); // only for a list that was saved
        app_.Settings.release();
        Pusk(true);
        if (!AllFormClose()) {
            resumeRunning(); // the window that could not be closed has reported why
            return;
        }
        // Without the shutdown privilege enabled the request fails on every NT system.
        auto& actions = app_.platform.actions;
        auto failure = actions.enableShutdownPrivilege();
        if (!failure)
            failure = actions.shutdown();
        if (failure)
            throw Error(*failure);
    } catch (...) {
        resumeRunning();
        throw;
    }
    // Until Windows ends the program or calls the shutdown off, or the wait runs out.
    shutdownRequestedAt_ = app_.platform.system.tickCount();
    app_.platform.ui.runOnceAfter(int(ShutdownWaitMs), [this] { endShutdownWait(); });
}

void TForm1::endShutdownWait() {
    // The way back itself does nothing once the shutdown was called off or the exit began.
    const std::uint64_t waited = app_.platform.system.tickCount() - shutdownRequestedAt_;
    if (waited >= ShutdownWaitMs)
        resumeRunning();
    else // a timer that came early
        app_.platform.ui.runOnceAfter(int(ShutdownWaitMs - waited), [this] { endShutdownWait(); });
}

void TForm1::ShutdownCancelled() {
    // Somebody else's shutdown, or one the exit has taken over: nothing to take back.
    resumeRunning();
}

void TForm1::resumeRunning() {
    if (life_ != Life::ShutdownRequested)
        return;
    life_ = Life::Running;
    if (!app_.Settings.isOpen())
        app_.Settings.open();
    // The shell may have restarted while Power waited and taken the bar along.
    keepBar();
    redock();
    showAgain(windowsBeforeShutdown_);
}

void TForm1::ScreenShot(const std::wstring& fileName) {
    saveScreenShot(app_.platform.screen, app_.platform.files, fileName);
}

void TForm1::N5Click() { confirmAndClose(); }

void TForm1::N1Click() { app_.settingsWindow().show(); }

void TForm1::N4Click() { app_.aboutWindow().showModal(); }

void TForm1::FormClose() {
    // Leaving always works: a step that fails (a save that cannot be written, a media device
    // that does not close) is reported and the steps after it still run. The player's close
    // and the exit both save the playlist: a failure is reported once.
    // It runs once. From here on a request to close does nothing and the bar is not made
    // again; a shutdown that Power asked for is under way after all, with nothing to take back.
    if (life_ == Life::Exiting)
        return;
    life_ = Life::Exiting;
    std::vector<std::wstring> reported;
    auto run = [this, &reported](const std::function<void()>& step) {
        const std::wstring text = ui::errorTextOf(step);
        if (text.empty())
            return true;
        if (std::find(reported.begin(), reported.end(), text) == reported.end()) {
            reported.push_back(text);
            app_.platform.ui.showError(ui::errorBoxText(text));
        }
        return false;
    };
    closeAll(run);
    // Where the player stood is kept only for a list that was saved, and read while the engine
    // still knows the position.
    if (run([this] { app_.saveLastPlaylist(); }))
        run([this] { app_.storePlayerResume(); });
    run([this] { app_.closeMediaEngine(); });
    app_.Settings.release();
    Pusk(true);
}

} // namespace vx
