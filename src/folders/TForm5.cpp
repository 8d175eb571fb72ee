#include "folders/TForm5.h"
#include "app/Application.h"
#include "folders/DrivePicker.h"
#include "folders/TForm4.h"

namespace vx {

TForm5::TForm5(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm5";
    params.caption = L"Добавить папку";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 169;
    params.clientHeight = 153;
    params.background = ui::Colour::rgb(160, 160, 164);
    window_ = app.platform.ui.createForm(params);
    window_->onClose = [this] { FormClose(); };
    window_->onBeforeShow = [this] { place(); };

    const std::wstring working = app.platform.files.currentDirectory();

    ui::DirectoryListBoxSpec browser;
    browser.id = DirectoryListBox1Id;
    browser.rect = {2, 2, 167, 95};
    browser.itemHeight = 16;
    browser.folder = working;
    DirectoryListBox1 = &window_->addDirectoryListBox(browser);

    ui::DriveComboBoxSpec picker;
    picker.id = DriveComboBox1Id;
    picker.rect = {2, 104, 167, 19};
    picker.entries = driveEntries(app.drives(), ui::LetterCase::Lower);
    picker.workingDrive = working.empty() ? 0 : working[0];
    DriveComboBox1 = &window_->addDriveComboBox(picker);
    DriveComboBox1->onChange = [this] { DriveComboBox1Change(); };

    ui::ButtonSpec add;
    add.id = Button1Id;
    add.rect = {2, 128, 77, 23};
    add.text = L"Добавить";
    Button1 = &window_->addButton(add);
    Button1->onClick = [this] { Button1Click(); };

    ui::ButtonSpec close;
    close.id = Button2Id;
    close.rect = {90, 128, 77, 23};
    close.text = L"Закрыть";
    Button2 = &window_->addButton(close);
    Button2->onClick = [this] { Button2Click(); };
}

void TForm5::FormCreate() { place(); }

void TForm5::place() { place_.apply(*window_, app_.besideFavourites(*window_)); }

void TForm5::FormClose() { app_.flags.AddFolderShown = false; }

// The picker is linked to the browser: a picked drive opens its current folder there.
void TForm5::DriveComboBox1Change() {
    if (const wchar_t drive = DriveComboBox1->drive())
        DirectoryListBox1->openDrive(drive);
}

void TForm5::Button1Click() { app_.Form4->appendFolder(DirectoryListBox1->directory()); }

void TForm5::Button2Click() { window_->close(); }

} // namespace vx
