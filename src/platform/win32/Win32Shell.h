#pragma once
#include "platform/Shell.h"

namespace vx::win32 {

class Win32Shell : public platform::Shell {
  public:
    WindowId findTaskbar() override;
    WindowId firstForeignChild(WindowId taskbar) override;
    bool isVisible(WindowId window) override;
    void show(WindowId window, bool visible) override;
    bool hasCapture(WindowId window) override;
    void pressButton(WindowId button) override;
    void explore(WindowId owner, const std::wstring& path) override;
};

} // namespace vx::win32
