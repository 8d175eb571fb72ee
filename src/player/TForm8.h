#pragma once
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "player/Playlist.h"
#include <memory>
#include <optional>

namespace vx {

class Application;
class MediaEngine;

// The player window: the skin strip, the remaining time and the playlist.
class TForm8 {
  public:
    static constexpr int Left = 32;
    static constexpr int GapAboveScreenBottom = 29;
    enum ControlId { Image1Id = 8001, Label1Id = 8002, ListBox1Id = 8003, PathListId = 8004 };

    explicit TForm8(Application& app);
    void FormCreate();
    void FormShow();
    void FormClose();
    ui::Form& window() { return *window_; }

    // Plays entry N: closes the engine, selects the entry, makes its folder current, opens the
    // file by its bare name and plays it. An index that names no entry does nothing.
    void PlayN(int N);
    void N3Click(); // "Открыть файл"
    void N6Click(); // "Добавить файл"
    void N4Click(); // "Сохранить"

    void closeMediaEngine();
    void saveLastPlaylist();
    MediaEngine& engine();

    ui::Label* Label1 = nullptr;
    ui::ListBox* ListBox1 = nullptr;
    ui::ListBox* PathList = nullptr;
    ui::PopupMenu* PopupMenu1 = nullptr;
    ui::FileDialogSpec SaveDialog1;
    std::unique_ptr<Playlist> playlist;

  private:
    // The open dialog of the tool panel at the folder stored as LastPath, which the chosen
    // file's folder then replaces; nothing when cancelled.
    std::optional<std::wstring> chooseMediaFile();

    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
