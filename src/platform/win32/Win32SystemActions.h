#pragma once
#include "platform/SystemActions.h"
#include <string>

namespace vx::win32 {

class Win32SystemActions : public platform::SystemActions {
  public:
    std::optional<bool> screenSaverActive() override;
    void startScreenSaver() override;
    std::optional<std::wstring> enableShutdownPrivilege() override;
    std::optional<std::wstring> shutdown() override;
};

// The system's message text for an error code, without the trailing line break.
std::wstring systemErrorText(unsigned long code);

} // namespace vx::win32
