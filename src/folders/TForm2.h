#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The drive dialog: free space of a drive, open it, make it the default.
class TForm2 {
  public:
    explicit TForm2(Application& app);
    void FormCreate();
    void FormClose();
    ui::Form& window() { return *window_; }

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
