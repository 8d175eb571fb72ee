#pragma once
#include "app/Platform.h"
#include "app/TaskbarPlaces.h"
#include "app/WindowFlags.h"
#include "folders/DrivePicker.h"
#include "settings/SettingsStore.h"
#include <memory>
#include <optional>
#include <string>

namespace vx {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;

// One run of the program: the platform, the state several windows share, and the nine windows.
class Application {
  public:
    static constexpr const wchar_t* Title = L"Vextral";

    explicit Application(Platform& platform);
    ~Application();

    // Creates the windows in their required order, running each creation handler.
    void create();
    // Whether create() has made all nine windows: the bar shows before the other eight exist.
    bool windowsMade() const { return windowsMade_; }
    // Runs the message loop until the main bar is closed.
    void run();

    // The folder of the program's executable file, with its trailing backslash.
    std::wstring programFolder() const;

    // Where the windows stand against the taskbar as it is now.
    TaskbarPlaces taskbarPlaces();
    // Where `window`, at its size, stands beside the tool panel (the drive dialog, the
    // favourites), and beside the favourites window (the add-folder window).
    Rect besidePanel(const ui::Form& window);
    Rect besideFavourites(const ui::Form& window);

    ui::Form& panelWindow();
    ui::Form& driveDialogWindow();
    ui::Form& favouritesWindow();
    ui::Form& addFolderWindow();
    ui::Form& settingsWindow();
    ui::Form& aboutWindow();
    ui::Form& playerWindow();

    // The machine's drives as the three drive pickers show them: read at the first call, so
    // that the pickers made at start share one listing.
    const std::vector<DriveFacts>& drives();

    // Exit steps that belong to the player.
    void closeMediaEngine();
    void saveLastPlaylist();
    // Keeps where the player stood for the next run; a failure is reported and the exit goes on.
    void storePlayerResume();

    Platform& platform;
    SettingsStore Settings;
    WindowFlags flags;

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;

  private:
    std::optional<std::vector<DriveFacts>> drives_;
    bool windowsMade_ = false;
};

} // namespace vx
