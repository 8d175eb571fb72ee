#pragma once
#include "platform/Shell.h"
#include "platform/win32/ui/Dpi.h"

namespace vx::win32 {

class Win32Shell : public platform::Shell {
  public:
    WindowId findTaskbar() override;
    WindowId startWindow(WindowId taskbar) override;
    bool isVisible(WindowId window) override;
    void show(WindowId window, bool visible) override;
    bool hasCapture(WindowId window) override;
    void pressButton(WindowId button) override;
    std::optional<platform::TaskbarLayout> taskbarLayout(WindowId taskbar, WindowId start) override;
    bool sendStartMenuKeys() override;
    void postStartMenuCommand(WindowId taskbar) override;
    void explore(WindowId owner, const std::wstring& path) override;

    // The child window that draws the whole taskbar, Start button included, on the taskbars
    // whose Start button is not a window of its own.
    static constexpr const wchar_t* ContentBridgeClass = L"Windows.UI.Composition.DesktopWindowContentBridge";

  private:
    DpiScale dpi_ = DpiScale::ofScreen();
};

} // namespace vx::win32
