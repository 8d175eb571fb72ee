#pragma once
#include "platform/ui/Form.h"
#include <memory>

namespace vx {

class Application;

// The player window.
class TForm8 {
  public:
    static constexpr int Left = 32;

    explicit TForm8(Application& app);
    void FormCreate();
    void FormClose();
    ui::Form& window() { return *window_; }

    void closeMediaEngine();
    void saveLastPlaylist();

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
