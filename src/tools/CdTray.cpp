#include "tools/CdTray.h"
#include "app/Application.h"

namespace vx {

// The door commands join the media control interface code.
void CdTray::ToolButton6Click() { (void)app_; }
void CdTray::OpenCDDoor(wchar_t) {}
void CdTray::CloseCDDoor(wchar_t) {}

} // namespace vx
