#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The folder-import dialog.
class TForm9 {
  public:
    explicit TForm9(Application& app);
    ui::Form& window() { return *window_; }

  private:
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
