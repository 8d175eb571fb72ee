#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The settings window: start with Windows, and the CD-ROM drive.
class TForm6 {
  public:
    explicit TForm6(Application& app);
    ui::Form& window() { return *window_; }

  private:
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
