#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The add-folder window: a folder browser from which folders join the favourites.
class TForm5 {
  public:
    explicit TForm5(Application& app);
    void FormCreate();
    void FormClose();
    ui::Form& window() { return *window_; }

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
