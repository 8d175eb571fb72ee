#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The settings window: start with Windows, and the CD-ROM drive.
class TForm6 {
  public:
    enum ControlId { CheckBox1Id = 6001, BitBtn1Id = 6002, BitBtn2Id = 6003, DriveComboBox1Id = 6004, Label1Id = 6005 };

    explicit TForm6(Application& app);
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    // Writes (true) or deletes (false) the program's value in the user's Run key.
    void SetAutoRun(bool Enable);
    ui::Form& window() { return *window_; }

    ui::CheckBox* CheckBox1 = nullptr;
    ui::DriveComboBox* DriveComboBox1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::Button* BitBtn1 = nullptr;
    ui::Button* BitBtn2 = nullptr;

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
