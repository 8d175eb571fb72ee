#pragma once
#include "folders/DirsFile.h"
#include "app/TaskbarPlaces.h"
#include "platform/ui/Form.h"
#include <memory>
#include <string>

namespace vx {

class Application;

// The favourite folders window: the list of "Dirs.vxl", opened in the shell's explorer.
class TForm4 {
  public:
    enum ControlId { ListBox1Id = 4001, Button1Id = 4002, Button2Id = 4003, Button3Id = 4004, Button4Id = 4005 };

    explicit TForm4(Application& app);
    void FormCreate();
    // Stands beside the tool panel, for the taskbar as it is when the window is shown.
    void place();
    void FormShow();
    void FormClose();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void ListBox1Click() {}
    // Binds the favourites file to "Dirs.vxl" in the program's folder; creates it empty when
    // there is none.
    void PrepareDirsFile();
    // Appends a folder as the list's last entry. A path with characters outside the ANSI code
    // page goes in by its short form; without one the folder is refused with an error.
    void appendFolder(const std::wstring& path);
    ui::Form& window() { return *window_; }

    ui::ListBox* ListBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;
    ui::Button* Button3 = nullptr;
    ui::Button* Button4 = nullptr;
    std::wstring DirsPath; // the bound path of the favourites file

  private:
    dirsfile::RecordText ansiRecord(const std::wstring& text);

    Application& app_;
    std::unique_ptr<ui::Form> window_;
    FollowedPlace place_;
    bool listUnread_ = false; // the file could not be read and the list has not been changed since
};

} // namespace vx
