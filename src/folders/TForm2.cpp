#include "folders/TForm2.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "folders/DrivePicker.h"
#include "folders/DriveSpace.h"

namespace vx {

TForm2::TForm2(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm2";
    params.caption = L"Открыть";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 116;
    params.clientHeight = 88;
    params.borderWidth = 2;
    params.topmost = true;
    params.background = ui::Colour::system(ui::syscolour::ActiveBorder);
    window_ = app.platform.ui.createForm(params);
    window_->onClose = [this] { FormClose(); };
    window_->onBeforeShow = [this] { place(); };

    ui::ProgressBarSpec bar;
    bar.id = ProgressBar1Id;
    bar.rect = {0, 0, 117, 16};
    ProgressBar1 = &window_->addProgressBar(bar);
    ProgressBar1->setMax(100);

    ui::DriveComboBoxSpec picker;
    picker.id = DriveComboBox1Id;
    picker.rect = {0, 18, 117, 21};
    picker.entries = driveEntries(app.drives(), ui::LetterCase::Upper);
    const std::wstring working = app.platform.files.currentDirectory();
    picker.workingDrive = working.empty() ? 0 : working[0];
    picker.background = ui::Colour::rgb(255, 251, 240);
    picker.flat = true;
    picker.dropDownOnTyping = true;
    picker.font = {L"Bookman Old Style", 11, false, ui::Colour::system(ui::syscolour::ActiveCaption)};
    DriveComboBox1 = &window_->addDriveComboBox(picker);
    DriveComboBox1->onChange = [this] { DriveComboBox1Change(); };

    ui::ButtonSpec open;
    open.id = Button1Id;
    open.rect = {0, 40, 117, 22};
    open.text = L"Открыть";
    Button1 = &window_->addButton(open);
    Button1->onClick = [this] { Button1Click(); };

    ui::ButtonSpec makeDefault;
    makeDefault.id = Button2Id;
    makeDefault.rect = {0, 64, 117, 24};
    makeDefault.text = L"По умолчанию";
    Button2 = &window_->addButton(makeDefault);
    Button2->onClick = [this] { Button2Click(); };
}

void TForm2::FormCreate() {
    // Placed first: a stored drive that cannot be read does not leave the window astray.
    place();
    // An empty value names no drive: the picker stays on the working folder's drive.
    const std::wstring drive = app_.Settings.readString(setting::Drive);
    if (!drive.empty())
        DriveComboBox1->setDrive(drive[0]);
    ShowDriveSpace();
}

void TForm2::place() { place_.apply(*window_, app_.besidePanel(*window_)); }

void TForm2::FormClose() { app_.flags.DriveDialogShown = false; }

void TForm2::DriveComboBox1Change() { ShowDriveSpace(); }

void TForm2::ShowDriveSpace() {
    const wchar_t drive = DriveComboBox1->drive();
    const platform::DiskSpace space = drive ? app_.platform.disks.space(drive) : platform::DiskSpace{};
    const DriveSpaceView view = driveSpaceView(space.free, space.total);
    ProgressBar1->setMax(100);
    ProgressBar1->setPosition(view.position);
    ProgressBar1->repaint();
    ProgressBar1->setHint(view.hint);
}

void TForm2::Button1Click() {
    if (const wchar_t drive = DriveComboBox1->drive())
        app_.platform.shell.explore(app_.Form1->window().handle(), std::wstring(1, drive) + L":\\");
}

void TForm2::Button2Click() {
    const wchar_t drive = DriveComboBox1->drive();
    if (!drive)
        return;
    app_.Settings.writeString(setting::Drive, std::wstring(1, drive));
    const std::wstring stored = app_.Settings.readString(setting::Drive);
    app_.platform.ui.notify(L"Диск " + stored + L" установлен по умолчанию");
}

} // namespace vx
