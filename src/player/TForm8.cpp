#include "player/TForm8.h"
#include "app/Application.h"
#include "app/Paths.h"
#include "app/TForm1.h"
#include "player/FileUri.h"
#include "player/FolderImport.h"
#include "player/M3u.h"
#include "player/PlayerResume.h"
#include "player/MediaEngine.h"
#include "player/RandomChoice.h"
#include "player/SkinStrip.h"
#include "player/TForm9.h"
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

// Whether a dropped file is a playlist: ".m3u" or ".m3u8" in any case.
bool isDroppedPlaylist(const std::wstring& path) {
    return paths::endsWithNoCase(path, L".m3u") || paths::endsWithNoCase(path, L".m3u8");
}

} // namespace

// Brings the claim on the media keys, and the timer, in line with the engine when a handler
// ends, also when it ends with an error (an entry that would not open leaves no device open).
class TForm8::MediaKeysClaim {
  public:
    explicit MediaKeysClaim(TForm8& form) : form_(form) {}
    ~MediaKeysClaim() {
        form_.claimMediaKeys();
        form_.timeWhilePlaying();
    }
    MediaKeysClaim(const MediaKeysClaim&) = delete;
    MediaKeysClaim& operator=(const MediaKeysClaim&) = delete;

  private:
    TForm8& form_;
};

TForm8::TForm8(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm8";
    params.caption = L"Плеер";
    params.frame = ui::Frame::Dialog;
    params.clientWidth = 207;
    params.clientHeight = 237;
    params.borderWidth = 2;
    params.background = ui::Colour::rgb(0, 0, 0);
    window_ = app.platform.ui.createForm(params);

    ui::ImageSpec strip;
    strip.id = Image1Id;
    strip.rect = {10, 8, skin::Width, skin::Height};
    strip.width = skin::Width;
    strip.height = skin::Height;
    strip.pixels = drawSkinStrip();
    int plateId = PlateIds;
    for (const auto& button : skin::Buttons)
        strip.buttons.push_back({plateId++, {button.left, 0, button.width, skin::Height}, button.name});
    Image1 = &window_->addImage(strip);
    Image1->onMouseDown = [this](ui::MouseShift shift, int x, int y) { Image1MouseDown(shift, x, y); };

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
    PopupMenu1->addItem(L"Открыть папку", [this] { N8Click(); });
    PopupMenu1->addItem(L"Добавить папку", [this] { N7Click(); });
    PopupMenu1->addItem(L"Сохранить", [this] { N4Click(); });
    PopupMenu1->addItem(L"-", nullptr);
    N5 = PopupMenu1->addItem(L"Случайно", [this] { N5Click(); });
    ListBox1->onKeyDown = [this](int key) { ListBox1KeyDown(key); };
    ListBox1->onDblClick = [this] { ListBox1DblClick(); };
    Timer1 = &window_->addTimer(1000, [this] { Timer1Timer(); });
    Timer1->setEnabled(false); // until a track plays

    SaveDialog1.defaultExtension = L"m3u";
    SaveDialog1.filter = L"Winamp Playlist|*.m3u";

    playlist = std::make_unique<Playlist>(*ListBox1, *PathList, app.platform.files, app.platform.system,
                                          app.programFolder());
    window_->onShow = [this] { FormShow(); };
    // The player keeps the place it has, unless the taskbar has come to cover it meanwhile.
    window_->onBeforeShow = [this] { window_->setBounds(app_.taskbarPlaces().clearOfTaskbar(window_->bounds())); };
    window_->onClose = [this] { FormClose(); };
    app.platform.ui.acceptDrops(*ListBox1,
                                [this](const std::vector<ui::DroppedItem>& items) { ListBox1DropFiles(items); });
    app.platform.ui.mediaKeys().onKey = [this](ui::MediaKey key) { return MediaKeyDown(key); };
}

void TForm8::FormCreate() {
    const Rect r = window_->bounds();
    window_->setBounds(app_.taskbarPlaces().player(r.width, r.height));
    playlist->findLastList();
}

void TForm8::FormShow() {
    const bool first = !playlist->ShownOnce;
    playlist->loadLast();
    if (first)
        restoreResume();
}

void TForm8::restoreResume() {
    if (!app_.Settings.isOpen())
        return;
    const PlayerResume stored = readPlayerResume(app_.Settings, *playlist);
    if (stored.randomOrder)
        PopupMenu1->setChecked(N5, *stored.randomOrder);
    if (!stored.index)
        return;
    makeCurrent(*stored.index);
    ListBox1->setSelectedIndex(*stored.index);
    resume_ = PendingResume{stored.path, stored.positionMs.value_or(0)};
}

void TForm8::storeResume() {
    if (!playlist->ShownOnce || !app_.Settings.isOpen())
        return;
    PlayerResume state;
    state.randomOrder = randomOrder();
    // An empty list leaves Last.m3u as it was, and with it the entry stored for that list.
    // The index is kept as it is, also past the end after deletions: the path finds the entry.
    if (!playlist->empty() && resume_) {
        state.index = playlist->CurrentIndex;
        state.path = resume_->path;
        state.positionMs = resume_->atMs;
    } else if (!playlist->empty() && playlist->TrackLoaded) {
        state.index = playlist->CurrentIndex;
        state.path = currentPath_;
        auto& player = engine();
        state.positionMs = player.isOpen() ? player.position() : 0;
    }
    storePlayerResume(app_.Settings, state);
    if (!playlist->empty() && !state.index)
        forgetPlayerEntry(app_.Settings); // nothing was played from this list
}

void TForm8::resume() {
    // Entries deleted meanwhile may have moved the stored one, or taken it away.
    const auto index = resumeEntry(*playlist, std::uint32_t(playlist->CurrentIndex), resume_->path);
    if (!index) {
        resume_.reset();
        return;
    }
    PlayN(*index, resume_->atMs);
}

void TForm8::makeCurrent(int N) {
    playlist->CurrentIndex = N;
    currentPath_ = N >= 0 && N < playlist->count() ? playlist->path(N) : std::wstring();
}

void TForm8::FormClose() {
    app_.flags.PlayerShown = false;
    saveLastPlaylist();
}

MediaEngine& TForm8::engine() { return app_.Form1->MediaPlayer1; }

void TForm8::closeMediaEngine() {
    const MediaKeysClaim claim(*this);
    engine().close();
}

void TForm8::claimMediaKeys() {
    app_.platform.ui.mediaKeys().setClaimed(playlist->TrackLoaded && engine().started());
}

void TForm8::timeWhilePlaying() {
    // The time left and the end of the track are looked at once a second while a track is under
    // way; a stopped player wakes for nothing, and shows once where the track stopped.
    const bool started = engine().started();
    if (Timer1->enabled() && !started)
        showTimeLeft(false);
    Timer1->setEnabled(started);
}

void TForm8::showTimeLeft(bool ended) {
    auto& player = engine();
    if (!player.isOpen())
        return;
    const std::uint32_t length = player.length();
    const std::uint32_t position = player.position();
    // An ended track has no time left, whatever its device reports: some go back to 0 at the
    // end, and a position may run a little past an estimated length.
    Label1->setText(timeText(ended || position >= length ? 0 : length - position));
}

void TForm8::saveLastPlaylist() { playlist->saveLast(); }

void TForm8::PlayN(int N, std::uint32_t fromMs) {
    const MediaKeysClaim claim(*this);
    if (N < 0 || N >= playlist->count())
        return;
    auto& player = engine();
    player.close();
    const std::wstring path = fileOfEntry(playlist->path(N));
    ListBox1->setSelectedIndex(N);
    // The track opens by its name in its folder, made current; when the folder cannot be made
    // current (gone, or too long for it), by its full path, as its bare name would open a file
    // of that name in whatever folder is current.
    const bool inFolder = app_.platform.files.setCurrentDirectory(currentFolderOf(path));
    player.setFileName(inFolder ? paths::fileNameOf(path) : path);
    player.open();
    if (fromMs > 0 && fromMs < player.length())
        player.playFrom(fromMs);
    else
        player.play();
    resume_.reset(); // a track chosen in any way ends the wait to resume
    playlist->TrackLoaded = true;
    makeCurrent(N);
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
    const MediaKeysClaim claim(*this);
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
    resume_.reset();
    playlist->TrackLoaded = true;
    playlist->clear();
    playlist->add(paths::fileNameOf(name), name);
    makeCurrent(0);
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

void TForm8::N8Click() { importFolder(false); }

void TForm8::N7Click() { importFolder(true); }

void TForm8::importFolder(bool append) {
    app_.Form9->AddMode = append;
    app_.Form9->window().showModal();
}

void TForm8::N5Click() { PopupMenu1->setChecked(N5, !PopupMenu1->checked(N5)); }

bool TForm8::randomOrder() const { return PopupMenu1->checked(N5); }

int TForm8::nextIndex() {
    const int count = playlist->count();
    if (count == 0)
        return -1;
    if (randomOrder())
        return randomIndex([this] { return app_.platform.system.utcMillisecondsOfDay(); }, count,
                           playlist->CurrentIndex);
    const int next = playlist->CurrentIndex + 1;
    // After deletions the current index may lie past the end: that wraps to the start as well.
    return next >= count || next < 0 ? 0 : next;
}

void TForm8::playEntry(int N) {
    if (N < 0)
        return;
    makeCurrent(N);
    PlayN(N);
}

void TForm8::Timer1Timer() {
    const MediaKeysClaim claim(*this);
    auto& player = engine();
    if (!player.isOpen())
        return;
    // One reading of the end a tick: a device that marks its end by stopping is read twice.
    const bool ended = player.ended();
    showTimeLeft(ended);
    if (!ended)
        return;
    const int next = nextIndex();
    player.close();
    playEntry(next);
}

void TForm8::seekBy(int deltaMs) {
    auto& player = engine();
    // One reading of the position: some devices go back to 0 on a stop, so a second reading
    // after it would step from the start. Playing from the target instead of seeking to it
    // works on every device.
    const std::int64_t target = std::int64_t(player.position()) + deltaMs;
    if (target > 0 && target < std::int64_t(player.length()))
        player.playFrom(std::uint32_t(target));
}

void TForm8::previousPlate(ui::MouseShift shift) {
    auto& player = engine();
    if (shift.right)
        seekBy(-SeekStepMs);
    if (shift.left) {
        const int count = playlist->count();
        int index = playlist->CurrentIndex - 1;
        player.close();
        if (count == 0)
            return;
        if (index < 0 || index >= count)
            index = count - 1;
        playEntry(index);
    }
}

void TForm8::nextPlate(ui::MouseShift shift) {
    auto& player = engine();
    if (shift.right)
        seekBy(SeekStepMs);
    if (shift.left) {
        const int next = nextIndex();
        player.close();
        playEntry(next);
    }
}

void TForm8::Image1MouseDown(ui::MouseShift shift, int x, int /*y*/) {
    const MediaKeysClaim claim(*this);
    if (x >= 116) {
        const Rect r = window_->bounds();
        PopupMenu1->popupAt(r.left + r.width, r.top);
        return;
    }
    if (!playlist->TrackLoaded && resume_ && x >= 25 && x <= 47) {
        resume();
        return;
    }
    if (!playlist->TrackLoaded || x < 0)
        return;
    auto& player = engine();
    if (x <= 24)
        previousPlate(shift);
    else if (x <= 47)
        player.play();
    else if (x <= 70)
        player.pause();
    else if (x <= 93)
        stopPlate();
    else
        nextPlate(shift);
}

void TForm8::stopPlate() {
    auto& player = engine();
    player.stop();
    player.seek(0);
}

bool TForm8::MediaKeyDown(ui::MediaKey key) {
    const MediaKeysClaim claim(*this);
    if (!playlist->TrackLoaded)
        return false;
    auto& player = engine();
    ui::MouseShift left;
    left.left = true;
    switch (key) {
    case ui::MediaKey::PlayPause: {
        const std::uint32_t mode = player.mode();
        if (mode == platform::mci::ModePlay || mode == platform::mci::ModePause)
            player.pause();
        else
            player.play();
        break;
    }
    case ui::MediaKey::Stop: stopPlate(); break;
    case ui::MediaKey::NextTrack: nextPlate(left); break;
    case ui::MediaKey::PreviousTrack: previousPlate(left); break;
    }
    return true;
}

void TForm8::ListBox1DropFiles(const std::vector<ui::DroppedItem>& items) {
    for (const auto& item : items) {
        if (item.folder) {
            FoundMedia found = findMedia(app_.platform.files, item.path);
            playlist->addMany(found.titles, found.paths);
        } else if (isDroppedPlaylist(item.path)) {
            playlist->ReadM3U(item.path, true);
        } else {
            playlist->add(paths::fileNameOf(item.path), item.path);
        }
    }
}

void TForm8::ListBox1KeyDown(int virtualKey) {
    const MediaKeysClaim claim(*this); // an arrow plays on from a stopped track
    const int selected = ListBox1->selectedIndex();
    auto& player = engine();
    if (virtualKey == VkDelete) {
        if (selected >= 0)
            playlist->remove(selected);
        return;
    }
    // Without an open device there is no position to step from.
    if ((virtualKey != VkLeft && virtualKey != VkRight) || !player.isOpen())
        return;
    seekBy(virtualKey == VkLeft ? -SeekStepMs : SeekStepMs);
}

void TForm8::ListBox1DblClick() {
    const int selected = ListBox1->selectedIndex();
    if (selected < 0)
        return;
    // The entry waiting to resume takes up where it stood, as with the play plate; any other
    // entry plays from its start.
    if (!playlist->TrackLoaded && resume_ &&
        resumeEntry(*playlist, std::uint32_t(playlist->CurrentIndex), resume_->path) == selected) {
        resume();
        return;
    }
    playEntry(selected);
}

} // namespace vx
