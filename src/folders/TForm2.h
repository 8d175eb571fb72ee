#pragma once
#include "app/TaskbarPlaces.h"
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The drive dialog: free space of a drive, open it, make it the default.
class TForm2 {
  public:
    enum ControlId { ProgressBar1Id = 2001, DriveComboBox1Id = 2002, Button1Id = 2003, Button2Id = 2004 };

    explicit TForm2(Application& app);
    void FormCreate();
    // Stands beside the tool panel, for the taskbar as it is when the window is shown.
    void place();
    void FormClose();
    void DriveComboBox1Change();
    void Button1Click();
    void Button2Click();
    // Shows the used share and the free-space hint of the picker's current drive.
    void ShowDriveSpace();
    ui::Form& window() { return *window_; }

    ui::ProgressBar* ProgressBar1 = nullptr;
    ui::DriveComboBox* DriveComboBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
    FollowedPlace place_;
};

} // namespace vx
