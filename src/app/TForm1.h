#pragma once
#include "platform/Types.h"
#include "platform/ui/Form.h"
#include "player/MediaEngine.h"
#include <cstdint>
#include <memory>
#include <string>

namespace vx {

class Application;

// The main bar: two flat buttons docked into the taskbar in place of the Start button.
class TForm1 {
  public:
    static constexpr std::uint8_t BarHeight = 24;
    static constexpr int BarWidth = 50;
    static constexpr int ShellWatchMs = 250;

    explicit TForm1(Application& app);

    void FormCreate();
    void Pusk(bool show);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void AllFormClose();
    void N5Click();
    void N1Click();
    void N4Click();
    void FormClose();
    // Closes everything after the question; shared by the menu and the tool panel.
    void confirmAndClose();
    // Shuts Windows down after the question; a refused shutdown leaves the program running.
    void Power();
    // Saves the whole screen as a BMP file.
    void ScreenShot(const std::wstring& fileName);
    // The shell shows its Start button again when it lays out the taskbar: hide it again.
    void keepStartButtonHidden();
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

  private:
    void resumeRunning();

    Application& app_;
    std::unique_ptr<ui::Form> window_;
    bool shutdownRequested_ = false;

  public:
    // The media engine of the program; the player plays through it.
    MediaEngine MediaPlayer1;
};

} // namespace vx
