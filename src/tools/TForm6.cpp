#include "tools/TForm6.h"
#include "app/Application.h"
#include "folders/DrivePicker.h"
#include "platform/ui/Guard.h"
#include "tools/AutoRun.h"
#include <exception>
#include <optional>

namespace vx {

TForm6::TForm6(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm6";
    params.caption = L"Настройка";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 213;
    params.clientHeight = 119;
    params.left = 413;
    params.top = 292;
    window_ = app.platform.ui.createForm(params);
    window_->onShow = [this] { FormShow(); };

    // Created in tab order: the box, "Закрыть", "Применить", the picker.
    ui::CheckBoxSpec box;
    box.id = CheckBox1Id;
    box.rect = {8, 16, 190, 17}; // the text is wider in the font that stands in for the face
    box.text = L" Включить в автозагрузку";
    CheckBox1 = &window_->addCheckBox(box);

    ui::ButtonSpec close;
    close.id = BitBtn1Id;
    close.rect = {8, 80, 89, 25};
    close.text = L"Закрыть";
    close.glyph = ui::Glyph::No;
    close.isCancel = true;
    BitBtn1 = &window_->addButton(close);
    BitBtn1->onClick = [this] { BitBtn1Click(); };

    ui::ButtonSpec apply;
    apply.id = BitBtn2Id;
    apply.rect = {112, 80, 89, 25};
    apply.text = L"Применить";
    apply.glyph = ui::Glyph::Yes;
    apply.isDefault = true;
    BitBtn2 = &window_->addButton(apply);
    BitBtn2->onClick = [this] { BitBtn2Click(); };

    ui::DriveComboBoxSpec picker;
    picker.id = DriveComboBox1Id;
    picker.rect = {8, 48, 105, 19};
    picker.entries = driveEntries(app.drives(), ui::LetterCase::Upper);
    const std::wstring working = app.platform.files.currentDirectory();
    picker.workingDrive = working.empty() ? 0 : working[0];
    DriveComboBox1 = &window_->addDriveComboBox(picker);

    ui::ControlSpec label;
    label.id = Label1Id;
    label.rect = {120, 49, 60, 13}; // room for the text in whatever font stands in for the face
    Label1 = &window_->addLabel(label, L"CD-ROM");
}

void TForm6::FormShow() {
    // Whether the program really starts with Windows: the startup apps list of Windows' settings
    // may have turned it off, or an older version's value in the machine's list still start it.
    CheckBox1->setChecked(autorun::isOn(app_.platform.registry));
    // An empty value names no drive: the picker keeps what it shows.
    const std::wstring drive = app_.Settings.readString(setting::CdRom);
    if (!drive.empty())
        DriveComboBox1->setDrive(drive[0]);
}

void TForm6::BitBtn1Click() { window_->close(); }

void TForm6::BitBtn2Click() {
    const bool enable = CheckBox1->checked();
    // What AutoRun held, so that a Run key that cannot be written does not leave the store
    // saying the program starts with Windows when it does not.
    std::optional<bool> before; // none when the old value cannot be read
    ui::errorTextOf([&] { before = app_.Settings.readBool(setting::AutoRun); });
    app_.Settings.writeBool(setting::AutoRun, enable);
    std::exception_ptr failure;
    try {
        SetAutoRun(enable);
    } catch (...) {
        failure = std::current_exception();
        if (before)
            app_.Settings.writeBool(setting::AutoRun, *before);
    }
    // The CD drive is a setting of its own: it is stored whatever became of the autostart.
    if (const wchar_t drive = DriveComboBox1->drive())
        app_.Settings.writeString(setting::CdRom, std::wstring(1, drive));
    if (failure)
        std::rethrow_exception(failure);
}

void TForm6::SetAutoRun(bool Enable) {
    autorun::apply(app_.platform.registry, app_.platform.system.programPath(), Enable);
}

} // namespace vx
