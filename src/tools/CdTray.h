#pragma once

namespace vx {

class Application;

// Opens and closes the tray of the CD-ROM drive named in the settings, on alternate clicks. The
// drive is not asked whether its tray is open: CdTrayOpen remembers what the program did last.
class CdTray {
  public:
    static constexpr const wchar_t* DeviceType = L"CDAudio";

    explicit CdTray(Application& app) : app_(app) {}
    void ToolButton6Click();
    void OpenCDDoor(wchar_t drive);
    void CloseCDDoor(wchar_t drive);

    bool CdTrayOpen = false;

  private:
    void setDoor(wchar_t drive, unsigned doorFlag);

    Application& app_;
};

} // namespace vx
