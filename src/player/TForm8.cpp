#include "player/TForm8.h"
#include "app/Application.h"
#include "app/Paths.h"
#include "app/TForm1.h"
#include "player/M3u.h"
#include "player/MediaEngine.h"
#include "player/TimeText.h"
#include "tools/TForm3.h"

namespace vx {

namespace {

ui::Font font(int height, ui::Colour colour) {
    ui::Font f;
    f.height = height;
    f.colour = colour;
    return f;
}

// The folder of a stored path as the current folder takes it: without the final backslash,
// unless it follows ":" or another "\" (a drive root such as "C:\" keeps it).
std::wstring currentFolderOf(const std::wstring& path) {
    std::wstring folder = paths::folderOf(path);
    if (folder.size() >= 2 && folder.back() == L'\\' && folder[folder.size() - 2] != L':' &&
        folder[folder.size() - 2] != L'\\')
        folder.pop_back();
    return folder;
}

} // namespace

TForm8::TForm8(Application& app) : app_(app) {
    ui::FormSpec spec;
    spec.windowClass = L"TForm8";
    spec.caption = L"Плеер";
    spec.frame = ui::Frame::Dialog;
    spec.clientWidth = 207;
    spec.clientHeight = 237;
    spec.background = ui::Colour::rgb(0, 0, 0);
    window_ = app.platform.ui.createForm(spec);

    ui::ControlSpec label{Label1Id, {168, 8, 24, 16}, font(13, ui::Colour::rgb(255, 255, 255))};
    Label1 = &window_->addLabel(label, L"0:00");

    ui::ListBoxSpec list;
    list.id = ListBox1Id;
    list.rect = {2, 35, 204, 199};
    list.font = font(11, ui::Colour::rgb(255, 255, 0));
    list.background = ui::Colour::rgb(0, 0, 153);
    list.itemHeight = 13;
    list.handCursor = true;
    list.flat = true;
    ListBox1 = &window_->addListBox(list);

    ui::ListBoxSpec hidden;
    hidden.id = PathListId;
    hidden.visible = false;
    PathList = &window_->addListBox(hidden);

    PopupMenu1 = &window_->addPopupMenu();
    PopupMenu1->addItem(L"Открыть файл", [this] { N3Click(); });
    PopupMenu1->addItem(L"Добавить файл", [this] { N6Click(); });
    PopupMenu1->addItem(L"Сохранить", [this] { N4Click(); });

    SaveDialog1.defaultExtension = L"m3u";
    SaveDialog1.filter = L"Winamp Playlist|*.m3u";

    playlist = std::make_unique<Playlist>(*ListBox1, *PathList, app.platform.files, app.platform.system,
                                          app.programFolder());
    window_->onShow = [this] { FormShow(); };
    window_->onClose = [this] { FormClose(); };
}

void TForm8::FormCreate() {
    Rect r = window_->bounds();
    r.top = app_.platform.system.screenHeight() - r.height - GapAboveScreenBottom;
    r.left = Left;
    window_->setBounds(r);
    playlist->findLastList();
}

void TForm8::FormShow() { playlist->loadLast(); }

void TForm8::FormClose() {
    app_.flags.PlayerShown = false;
    saveLastPlaylist();
}

MediaEngine& TForm8::engine() { return app_.Form1->MediaPlayer1; }

void TForm8::closeMediaEngine() { engine().close(); }

void TForm8::saveLastPlaylist() { playlist->saveLast(); }

void TForm8::PlayN(int N) {
    if (N < 0 || N >= playlist->count())
        return;
    auto& player = engine();
    player.close();
    const std::wstring path = playlist->path(N);
    ListBox1->setSelectedIndex(N);
    app_.platform.files.setCurrentDirectory(currentFolderOf(path));
    player.setFileName(paths::fileNameOf(path));
    player.open();
    player.play();
    playlist->TrackLoaded = true;
    playlist->CurrentIndex = N;
    Label1->setText(timeText(player.length()));
}

std::optional<std::wstring> TForm8::chooseMediaFile() {
    ui::FileDialogSpec dialog = app_.Form3->OpenDialog1;
    dialog.initialDirectory = app_.Settings.readString(setting::LastPath);
    auto chosen = app_.platform.ui.runFileDialog(ui::FileDialogKind::Open, dialog);
    if (chosen)
        app_.Settings.writeString(setting::LastPath, paths::folderOf(*chosen));
    return chosen;
}

void TForm8::N3Click() {
    auto chosen = chooseMediaFile();
    if (!chosen)
        return;
    const std::wstring& name = *chosen;
    if (m3u::isPlaylistName(name)) {
        playlist->ReadM3U(name, false);
        PlayN(0);
        return;
    }
    auto& player = engine();
    player.close();
    player.setFileName(name);
    player.open();
    player.play();
    playlist->TrackLoaded = true;
    playlist->clear();
    playlist->add(paths::fileNameOf(name), name);
    playlist->CurrentIndex = 0;
    ListBox1->setSelectedIndex(0);
}

void TForm8::N6Click() {
    auto chosen = chooseMediaFile();
    if (!chosen)
        return;
    const std::wstring& name = *chosen;
    if (m3u::isPlaylistName(name))
        playlist->ReadM3U(name, true);
    else
        playlist->add(paths::fileNameOf(name), name);
}

void TForm8::N4Click() {
    if (playlist->empty())
        return;
    auto chosen = app_.platform.ui.runFileDialog(ui::FileDialogKind::Save, SaveDialog1);
    if (chosen)
        playlist->save(*chosen);
}

} // namespace vx
