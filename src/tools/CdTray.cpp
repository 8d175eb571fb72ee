#include "tools/CdTray.h"
#include "app/Application.h"
#include <string>

namespace vx {

namespace mci = platform::mci;

// The drive is read afresh on every click, so a change in the settings window takes effect at
// once and continues the same alternation. An empty value names no drive: the click then does
// nothing at all and CdTrayOpen keeps recording the last thing actually done to a tray.
void CdTray::ToolButton6Click() {
    const std::wstring cdrom = app_.Settings.readString(setting::CdRom);
    if (cdrom.empty())
        return;
    const wchar_t drive = cdrom.front();
    if (!CdTrayOpen)
        OpenCDDoor(drive);
    else
        CloseCDDoor(drive);
    // Flips whatever the door command achieved: failures are silent.
    CdTrayOpen = !CdTrayOpen;
}

void CdTray::OpenCDDoor(wchar_t drive) {
    setDoor(drive, mci::SetDoorOpen);
}

void CdTray::CloseCDDoor(wchar_t drive) {
    setDoor(drive, mci::SetDoorClosed);
}

// Opens the drive as a CD audio device, moves its door and releases the device again. Nothing
// is reported: a letter that names no CD drive simply has no effect.
void CdTray::setDoor(wchar_t drive, unsigned doorFlag) {
    auto& engine = app_.platform.mci;
    const std::wstring element{drive, L':'};
    const auto opened = engine.open(DeviceType, element, mci::OpenType | mci::OpenElement);
    if (opened.error != 0)
        return;
    engine.command(opened.device, mci::Set, doorFlag);
    engine.command(opened.device, mci::Close, 0);
}

} // namespace vx
