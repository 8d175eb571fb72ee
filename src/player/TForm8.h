#pragma once
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/MediaKeys.h"
#include "player/Playlist.h"
#include <memory>
#include <optional>
#include <vector>

namespace vx {

class Application;
class MediaEngine;

// The player window: the skin strip, the remaining time and the playlist.
class TForm8 {
  public:
    // The strip's buttons take PlateIds onwards, left to right.
    enum ControlId { Image1Id = 8001, Label1Id = 8002, ListBox1Id = 8003, PathListId = 8004, PlateIds = 8011 };

    explicit TForm8(Application& app);
    void FormCreate();
    void FormShow();
    void FormClose();
    ui::Form& window() { return *window_; }

    // Plays entry N: closes the engine, selects the entry, makes its folder current, opens the
    // file by its bare name and plays it, from `fromMs` when that lies within the track. An index
    // that names no entry does nothing. A track that starts ends the wait to resume; one that
    // fails to open leaves it for the next press of the play plate.
    void PlayN(int N, std::uint32_t fromMs = 0);
    void N3Click(); // "Открыть файл"
    void N6Click(); // "Добавить файл"
    void N4Click(); // "Сохранить"
    void N8Click(); // "Открыть папку": the folder import in place of the playlist
    void N7Click(); // "Добавить папку": the folder import after its end
    void N5Click(); // "Случайно": flips its own check mark

    // Counts the remaining time down and, when the track has reached its end, plays the next.
    void Timer1Timer();
    // The six plates of the skin strip by the press's x coordinate.
    void Image1MouseDown(ui::MouseShift shift, int x, int y);
    void ListBox1KeyDown(int virtualKey);
    void ListBox1DblClick();
    // A media key acts as its plate of the strip does with the left button: play/pause as the
    // pause plate while a track plays or pauses, else as the play plate; stop, next and previous
    // as theirs. True when it acted, which needs TrackLoaded as the plates do: a stored entry
    // waiting to resume is started from the player, not by a key meant for another program.
    bool MediaKeyDown(ui::MediaKey key);
    // Claims the media keys while a track plays or is paused, so they reach the player from
    // anywhere, and gives them back to other programs once playback stops (the stop plate or
    // key, an entry that would not open).
    void claimMediaKeys();
    // Runs Timer1 while a track plays or is paused, and stops it once playback stops.
    void timeWhilePlaying();
    // Shows the open track's time left in the countdown; none for a track that has ended.
    void showTimeLeft(bool ended);
    // Files and folders dropped on the list, in drop order: a folder appends its media files as
    // "Добавить папку" does, a playlist (".m3u", ".m3u8" in any case) is read after the end of
    // the list, any other file is appended as "Добавить файл" appends it. Nothing starts.
    void ListBox1DropFiles(const std::vector<ui::DroppedItem>& items);
    bool randomOrder() const;
    // The entry after the current one: random when "Случайно" is checked, else the next, with
    // the end of the list wrapping to 0; -1 when the playlist is empty.
    int nextIndex();

    static constexpr int SeekStepMs = 10000;
    static constexpr int VkLeft = 37, VkRight = 39, VkDelete = 46;

    void closeMediaEngine();
    void saveLastPlaylist();
    // At exit: "Случайно" and, when a track was started (or is still waiting to resume), the
    // current entry, its path and its position into the settings, for the next run; a list from
    // which nothing was played removes the stored entry. Nothing when the player was not shown
    // in this run; an empty list keeps the stored entry, as it keeps Last.m3u.
    void storeResume();
    // After the first showing has read "Last.m3u": selects the stored entry (found by its path)
    // and makes it current, sets "Случайно" as it was; the play plate then starts that entry at
    // the stored position. Nothing plays by itself.
    void restoreResume();
    bool resumePending() const { return resume_.has_value(); }
    MediaEngine& engine();

    ui::Image* Image1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::ListBox* ListBox1 = nullptr;
    ui::ListBox* PathList = nullptr;
    ui::PopupMenu* PopupMenu1 = nullptr;
    ui::Timer* Timer1 = nullptr;
    int N5 = -1; // the index of "Случайно" in PopupMenu1
    ui::FileDialogSpec SaveDialog1;
    std::unique_ptr<Playlist> playlist;

  private:
    class MediaKeysClaim;
    // The open dialog of the tool panel at the folder stored as LastPath, which the chosen
    // file's folder then replaces; nothing when cancelled.
    std::optional<std::wstring> chooseMediaFile();
    // Makes entry N current, then plays it: an entry that fails to open is still the one that
    // the next step, and the random choice, start from. A negative N does nothing.
    void playEntry(int N);
    // Plays on `deltaMs` from the position, when that lies within the track.
    void seekBy(int deltaMs);
    void previousPlate(ui::MouseShift shift);
    void nextPlate(ui::MouseShift shift);
    void importFolder(bool append);
    void stopPlate();
    void resume();
    // Makes entry N current and notes its path: a deletion before it does not move the index.
    void makeCurrent(int N);

    Application& app_;
    // The stored entry and the position it resumes at, until a track is started.
    struct PendingResume {
        std::wstring path;
        std::uint32_t atMs = 0;
    };
    std::optional<PendingResume> resume_;
    std::wstring currentPath_; // the path of the entry CurrentIndex named when it was made current
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
