#include "app/Application.h"
#include "app/Paths.h"
#include "app/TForm1.h"
#include "app/TForm7.h"
#include "platform/ui/Guard.h"
#include "folders/TForm2.h"
#include "folders/TForm4.h"
#include "folders/TForm5.h"
#include "player/TForm8.h"
#include "player/TForm9.h"
#include "tools/TForm3.h"
#include "tools/TForm6.h"

namespace vx {

Application::Application(Platform& p) : platform(p), Settings(p.registry) {}

Application::~Application() = default;

void Application::create() {
    Form1 = std::make_unique<TForm1>(*this);
    try {
        Form1->FormCreate();
        platform.ui.markApplicationToolWindow();
        // The bar is docked: it shows now, and the hidden windows are made behind it. What the
        // user presses meanwhile waits in the queue for the message loop; the bar passes over
        // a press that a message box during the creation below would hand it early.
        Form1->showDocked();
        // Each creation handler runs under its own guard: a failure in one (a setting of the
        // wrong type) is reported and the windows after it are still made.
        auto created = [this](auto& form) { ui::guarded(platform.ui, [&form] { form.FormCreate(); }); };
        Form3 = std::make_unique<TForm3>(*this);
        created(*Form3);
        Form2 = std::make_unique<TForm2>(*this);
        created(*Form2);
        Form4 = std::make_unique<TForm4>(*this);
        created(*Form4);
        Form5 = std::make_unique<TForm5>(*this);
        created(*Form5);
        Form6 = std::make_unique<TForm6>(*this);
        Form7 = std::make_unique<TForm7>(*this);
        Form8 = std::make_unique<TForm8>(*this);
        created(*Form8);
        Form9 = std::make_unique<TForm9>(*this);
        windowsMade_ = true;
        // The shell may have laid out its buttons again, Start button included, meanwhile.
        Form1->keepStartButtonHidden();
    } catch (...) {
        // The program cannot come up: the Start button it hid is given back before it ends.
        Form1->Pusk(true);
        throw;
    }
}

void Application::run() { platform.ui.run(Form1->window()); }

std::wstring Application::programFolder() const { return paths::folderOf(platform.system.programPath()); }

const std::vector<DriveFacts>& Application::drives() {
    if (!drives_)
        drives_ = readDrives(platform.disks);
    return *drives_;
}

TaskbarPlaces Application::taskbarPlaces() { return Form1->places(); }

Rect Application::besidePanel(const ui::Form& window) {
    const TaskbarPlaces places = taskbarPlaces();
    const Rect panel = panelWindow().bounds(), r = window.bounds();
    return places.besidePanel(places.panel(panel.width, panel.height), r.width, r.height);
}

Rect Application::besideFavourites(const ui::Form& window) {
    const TaskbarPlaces places = taskbarPlaces();
    const Rect panel = panelWindow().bounds(), r = window.bounds();
    return places.besideFavourites(places.panel(panel.width, panel.height), favouritesWindow().bounds().width,
                                   r.width, r.height);
}

ui::Form& Application::panelWindow() { return Form3->window(); }
ui::Form& Application::driveDialogWindow() { return Form2->window(); }
ui::Form& Application::favouritesWindow() { return Form4->window(); }
ui::Form& Application::addFolderWindow() { return Form5->window(); }
ui::Form& Application::settingsWindow() { return Form6->window(); }
ui::Form& Application::aboutWindow() { return Form7->window(); }
ui::Form& Application::playerWindow() { return Form8->window(); }

void Application::closeMediaEngine() {
    if (Form8)
        Form8->closeMediaEngine();
}

void Application::storePlayerResume() {
    if (Form8)
        ui::guarded(platform.ui, [this] { Form8->storeResume(); });
}

void Application::saveLastPlaylist() {
    if (Form8)
        Form8->saveLastPlaylist();
}

} // namespace vx
