#pragma once
#include "platform/WindowList.h"

namespace vx::win32 {

class Win32WindowList : public platform::WindowList {
  public:
    WindowId first(WindowId window) override;
    WindowId next(WindowId window) override;
    WindowId owner(WindowId window) override;
    bool visible(WindowId window) override;
    std::wstring title(WindowId window, int bufferChars) override;
    WindowId findByTitle(const std::wstring& title) override;
    bool hung(WindowId window) override;
    void minimise(WindowId window) override;
    platform::CloseRequest requestClose(WindowId window) override;
};

} // namespace vx::win32
