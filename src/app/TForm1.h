#pragma once
#include "app/TaskbarPlaces.h"
#include "app/WindowFlags.h"
#include "platform/Types.h"
#include "platform/ui/Form.h"
#include "player/MediaEngine.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vx {

class Application;

// The main bar: two flat buttons docked into the taskbar in place of the Start button.
class TForm1 {
  public:
    static constexpr std::uint8_t BarHeight = 24;
    static constexpr int BarWidth = 50;
    // How long Power waits for the end of the session before the program runs on.
    static constexpr std::uint32_t ShutdownWaitMs = 30000;

    // The program's life, which every entry point asks: it runs; Power has asked Windows to
    // end the session and waits for it (the Start button shown, the store closed); or the exit
    // has begun, after which nothing is taken back.
    enum class Life { Running, ShutdownRequested, Exiting };

    explicit TForm1(Application& app);
    Life life() const { return life_; }

    void FormCreate();
    void Pusk(bool show);
    void SpeedButton1Click();
    void SpeedButton2Click();
    // Closes every secondary window on screen and folds the panel; a close handler's failure
    // is reported and the others still run. False when a window could not be closed.
    bool AllFormClose();
    void N5Click();
    void N1Click();
    void N4Click();
    // The exit sequence: the other windows, the last playlist, where the player stood, the media
    // device, the store, the Start button. Every step runs; a failed one is reported. It runs
    // once: requests that come while it runs (from an error box's message loop) do nothing.
    void FormClose();
    // Closes everything after the question; shared by the menu and the tool panel. Nothing once
    // the exit has begun.
    void confirmAndClose();
    // Shuts Windows down after the question; a refused shutdown leaves the program running, and
    // so does one that has not ended the session within ShutdownWaitMs.
    void Power();
    // Saves the whole screen as a BMP file.
    void ScreenShot(const std::wstring& fileName);
    // The shell shows its Start button again when it lays out the taskbar: hide it again.
    void keepStartButtonHidden();
    // The watch, on the toolkit's events: the Start button stays hidden, and the bar follows the
    // taskbar and its Start button when they move, change size or hide; it docks again only
    // when its place changed.
    void followTaskbar();
    // Where the windows stand against the taskbar as it is now.
    TaskbarPlaces places();
    // The shell restarted and made a new taskbar: hide its Start button and dock into it.
    void TaskbarCreated();
    // Windows called off a shutdown that Power had asked for (another application refused to
    // end, or the user cancelled): the program runs on as before the question.
    void ShutdownCancelled();

    ui::Form& window() { return *window_; }

    ui::SpeedButton* SpeedButton1 = nullptr;
    ui::SpeedButton* SpeedButton2 = nullptr;
    ui::PopupMenu* PopupMenu1 = nullptr;
    WindowId TaskbarWnd = 0;
    WindowId StartButtonWnd = 0;

    // Windows ends the session: the exit sequence runs before the program is ended.
    void SessionEnding();
    // Shows the docked bar at start, before the other windows are made.
    void showDocked();
    // Makes the bar again, hidden, when the taskbar it was docked into took it along; not once
    // the exit has begun. It is docked and shown when the program runs in a taskbar again.
    void keepBar();

  private:
    // Runs one step of a sequence; false when it failed (and was reported).
    using StepRunner = std::function<bool(const std::function<void()>&)>;
    bool closeAll(const StepRunner& run);
    void makeWindow();
    // Docks the bar at its place in the taskbar as it is now.
    void dockInTaskbar();
    // Whether the taskbar draws its Start button itself (nothing to hide, nothing to press).
    bool startDrawn() const { return layout_ && layout_->startDrawn; }
    // A handler for a press on the bar that does nothing until all nine windows exist.
    std::function<void()> whenWindowsMade(void (TForm1::*handler)());
    // Power's way back: the program runs as before the question, the bar docked in whichever
    // taskbar stands now. Nothing once the exit has begun.
    void resumeRunning();
    // Takes Power's way back when its request has not ended the session in time: Windows says
    // nothing when another program refused before this one was asked.
    void endShutdownWait();
    // Docks the bar into the taskbar that stands now and shows it.
    void redock();
    // Shows again the windows that were on screen (`before`) and have been closed since.
    void showAgain(const WindowFlags& before);

    Application& app_;
    std::unique_ptr<ui::Form> window_;
    Life life_ = Life::Running;
    std::uint64_t shutdownRequestedAt_ = 0; // on the system's steady clock, in ms
    WindowFlags windowsBeforeShutdown_;
    std::optional<platform::TaskbarLayout> layout_; // the taskbar as last seen; none without one
    bool layoutCurrent_ = false;   // layout_ was read after the last change the watch heard of
    std::optional<Rect> barPlace_; // where the bar was last docked

  public:
    // The media engine of the program; the player plays through it.
    MediaEngine MediaPlayer1;
};

} // namespace vx
