#pragma once
#include "app/TaskbarPlaces.h"
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The add-folder window: a folder browser from which folders join the favourites.
class TForm5 {
  public:
    enum ControlId { DirectoryListBox1Id = 5001, DriveComboBox1Id = 5002, Button1Id = 5003, Button2Id = 5004 };

    explicit TForm5(Application& app);
    void FormCreate();
    // Stands beside the favourites window, for the taskbar as it is when the window is shown.
    void place();
    void FormClose();
    void DriveComboBox1Change();
    void Button1Click();
    void Button2Click();
    ui::Form& window() { return *window_; }

    ui::DirectoryListBox* DirectoryListBox1 = nullptr;
    ui::DriveComboBox* DriveComboBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
    FollowedPlace place_;
};

} // namespace vx
