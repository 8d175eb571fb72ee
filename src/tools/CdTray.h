#pragma once

namespace vx {

class Application;

// Opens and closes the tray of the CD-ROM drive named in the settings, on alternate clicks.
class CdTray {
  public:
    explicit CdTray(Application& app) : app_(app) {}
    void ToolButton6Click();
    void OpenCDDoor(wchar_t drive);
    void CloseCDDoor(wchar_t drive);

    bool CdTrayOpen = false;

  private:
    Application& app_;
};

} // namespace vx
