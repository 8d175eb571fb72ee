#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The favourite folders window.
class TForm4 {
  public:
    explicit TForm4(Application& app);
    void FormCreate();
    void FormClose();
    ui::Form& window() { return *window_; }

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
