#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The About window: the program's name, author, version and contacts.
class TForm7 {
  public:
    explicit TForm7(Application& app);
    ui::Form& window() { return *window_; }

  private:
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
