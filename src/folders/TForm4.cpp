#include "folders/TForm4.h"
#include "app/AnsiText.h"
#include "app/Application.h"
#include "app/TForm1.h"
#include "folders/DirsFile.h"
#include "platform/Error.h"

namespace vx {

TForm4::TForm4(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm4";
    params.caption = L"Открыть папку";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 295;
    params.clientHeight = 153;
    params.topmost = true;
    params.background = ui::Colour::rgb(160, 160, 164);
    window_ = app.platform.ui.createForm(params);
    window_->onShow = [this] { FormShow(); };
    window_->onClose = [this] { FormClose(); };
    window_->onBeforeShow = [this] { place(); };

    ui::ListBoxSpec list;
    list.id = ListBox1Id;
    list.rect = {0, 0, 295, 123};
    list.background = ui::Colour::system(ui::syscolour::InfoBackground);
    list.font.colour = ui::Colour::rgb(128, 0, 0);
    list.itemHeight = 13;
    ListBox1 = &window_->addListBox(list);
    ListBox1->onClick = [this] { ListBox1Click(); };
    ListBox1->onDblClick = [this] { Button1Click(); };

    const ui::Font systemFont{L"MS Shell Dlg", 12, false, ui::Colour::rgb(0, 0, 0)};
    const ui::Font signFont{L"MS Sans Serif", 16, false, ui::Colour::rgb(0, 0, 128)};
    auto button = [this](int id, Rect r, const wchar_t* text, const ui::Font& font) {
        ui::ButtonSpec b;
        b.id = id;
        b.rect = r;
        b.text = text;
        b.font = font;
        return &window_->addButton(b);
    };
    Button1 = button(Button1Id, {2, 128, 85, 22}, L"Открыть", systemFont);
    Button1->onClick = [this] { Button1Click(); };
    Button2 = button(Button2Id, {124, 128, 22, 22}, L"+", signFont);
    Button2->onClick = [this] { Button2Click(); };
    Button3 = button(Button3Id, {147, 128, 22, 22}, L"-", signFont);
    Button3->onClick = [this] { Button3Click(); };
    Button4 = button(Button4Id, {208, 128, 85, 22}, L"Закрыть", systemFont);
    Button4->onClick = [this] { Button4Click(); };
}

void TForm4::FormCreate() { place(); }

void TForm4::place() { place_.apply(*window_, app_.besidePanel(*window_)); }

void TForm4::PrepareDirsFile() {
    DirsPath = app_.programFolder() + dirsfile::FileName;
    if (!app_.platform.files.exists(DirsPath))
        app_.platform.files.writeAll(DirsPath, {});
}

void TForm4::FormShow() {
    PrepareDirsFile();
    ListBox1->clear();
    listUnread_ = true; // until the file has been read
    std::vector<std::wstring> entries;
    for (const auto& text : dirsfile::decode(app_.platform.files.readAll(DirsPath)))
        entries.push_back(app_.platform.system.fromAnsi(text));
    ListBox1->addItems(entries);
    listUnread_ = false;
}

void TForm4::FormClose() {
    app_.flags.FavouritesShown = false;
    // A file that could not be read holds folders the list never showed: unless the user has
    // changed the list since, the file stays as it is rather than be emptied.
    if (listUnread_)
        return;
    std::vector<std::string> records;
    // An entry read from the file may have no exact ANSI form (a byte the code page leaves
    // undefined, say): it keeps its place with the code page's replacement characters.
    for (int i = 0; i < ListBox1->count(); ++i)
        records.push_back(ansiRecord(ListBox1->item(i)).bytes);
    try {
        // A new file replaces the old one only when it is complete: a failure keeps both the
        // previous file and the window with its list, so closing again retries.
        if (DirsPath.empty())
            PrepareDirsFile();
        app_.platform.files.writeAll(DirsPath, dirsfile::encode(records));
    } catch (...) {
        app_.flags.FavouritesShown = window_->visible();
        throw;
    }
}

dirsfile::RecordText TForm4::ansiRecord(const std::wstring& text) {
    auto& system = app_.platform.system;
    return dirsfile::recordText(text, [&system](const std::wstring& t, bool* exact) {
        // A best-fit replacement ("é" as "e") names another folder: it counts as lost.
        if (auto ansi = exactAnsi(system, t))
            return *ansi;
        if (exact)
            *exact = false;
        return system.toAnsi(t);
    });
}

void TForm4::appendFolder(const std::wstring& path) {
    if (ansiRecord(path).exact) {
        ListBox1->addItem(path);
        listUnread_ = false;
        return;
    }
    const std::wstring shortForm = app_.platform.files.shortPath(path);
    if (!shortForm.empty() && ansiRecord(shortForm).exact) {
        ListBox1->addItem(shortForm);
        listUnread_ = false;
        return;
    }
    throw Error(L"Папку \"" + path + L"\" нельзя сохранить в списке: в её пути есть знаки, которых нет в кодовой "
                L"странице системы");
}

void TForm4::Button1Click() {
    const int selected = ListBox1->selectedIndex();
    if (selected < 0)
        return;
    app_.platform.shell.explore(app_.Form1->window().handle(), ListBox1->item(selected));
}

void TForm4::Button2Click() {
    app_.flags.AddFolderShown = true;
    app_.addFolderWindow().show();
}

void TForm4::Button3Click() {
    const int selected = ListBox1->selectedIndex();
    if (selected < 0)
        return;
    ListBox1->deleteItem(selected);
    ListBox1->setSelectedIndex(-1);
    listUnread_ = false;
}

void TForm4::Button4Click() { window_->close(); }

} // namespace vx
