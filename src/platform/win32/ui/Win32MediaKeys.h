#pragma once
#include "platform/ui/MediaKeys.h"
#include "platform/win32/ui/WindowBase.h"
#include <optional>

namespace vx::win32 {

class Win32Toolkit;

// The media keys through system-wide hot keys on a hidden message-only window, registered only
// while the program claims them; and the media commands (WM_APPCOMMAND) that reach the
// program's windows whether it claims the keys or not.
class Win32MediaKeys : public WindowBase, public ui::MediaKeys {
  public:
    explicit Win32MediaKeys(Win32Toolkit& toolkit);
    ~Win32MediaKeys() override;

    void setClaimed(bool claimed) override;
    bool claimed() const override { return claimed_; }
    // How many of the four keys the system gave the program at the last claim (another program
    // may hold some of them).
    int registeredCount() const;

    // A WM_APPCOMMAND's lParam: true when the program acted on it (then it goes no further).
    bool appCommand(LPARAM lParam);

    static std::optional<ui::MediaKey> keyOfVirtualKey(UINT virtualKey);
    static std::optional<ui::MediaKey> keyOfAppCommand(int command);

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool deliver(ui::MediaKey key);
    void unregisterAll();

    Win32Toolkit& toolkit_;
    bool claimed_ = false;
    bool registered_[4] = {};
    bool running_ = false; // a key's handler runs (or waits in its error box)
};

} // namespace vx::win32
