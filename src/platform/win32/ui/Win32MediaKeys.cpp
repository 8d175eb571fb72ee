#include "platform/win32/ui/Win32MediaKeys.h"
#include "platform/win32/ui/Win32DropTarget.h"
#include "platform/win32/ui/Win32Toolkit.h"

namespace vx::win32 {

namespace {

// The hot-key IDs of the four keys, in the order of ui::MediaKey.
constexpr int FirstHotKeyId = 0x5601;
constexpr UINT VirtualKeys[4] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_STOP, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK};
#ifndef MOD_NOREPEAT
constexpr UINT MOD_NOREPEAT = 0x4000;
#endif

} // namespace

Win32MediaKeys::Win32MediaKeys(Win32Toolkit& toolkit) : toolkit_(toolkit) {
    registerClass(L"TMediaKeys");
    createWindow(L"TMediaKeys", 0, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
}

Win32MediaKeys::~Win32MediaKeys() { unregisterAll(); }

void Win32MediaKeys::setClaimed(bool claimed) {
    if (claimed == claimed_)
        return;
    claimed_ = claimed;
    if (!claimed) {
        unregisterAll();
        return;
    }
    for (int i = 0; i < 4; ++i) {
        // A held key repeats; one press is one command.
        registered_[i] = RegisterHotKey(hwnd(), FirstHotKeyId + i, MOD_NOREPEAT, VirtualKeys[i]) != 0;
        if (!registered_[i])
            registered_[i] = RegisterHotKey(hwnd(), FirstHotKeyId + i, 0, VirtualKeys[i]) != 0;
    }
}

int Win32MediaKeys::registeredCount() const {
    int n = 0;
    for (bool r : registered_)
        n += r ? 1 : 0;
    return n;
}

void Win32MediaKeys::unregisterAll() {
    for (int i = 0; i < 4; ++i) {
        if (registered_[i] && hwnd())
            UnregisterHotKey(hwnd(), FirstHotKeyId + i);
        registered_[i] = false;
    }
}

std::optional<ui::MediaKey> Win32MediaKeys::keyOfVirtualKey(UINT virtualKey) {
    for (int i = 0; i < 4; ++i)
        if (VirtualKeys[i] == virtualKey)
            return ui::MediaKey(i);
    return std::nullopt;
}

std::optional<ui::MediaKey> Win32MediaKeys::keyOfAppCommand(int command) {
    switch (command) {
    case APPCOMMAND_MEDIA_PLAY_PAUSE: return ui::MediaKey::PlayPause;
    case APPCOMMAND_MEDIA_STOP: return ui::MediaKey::Stop;
    case APPCOMMAND_MEDIA_NEXTTRACK: return ui::MediaKey::NextTrack;
    case APPCOMMAND_MEDIA_PREVIOUSTRACK: return ui::MediaKey::PreviousTrack;
    default: return std::nullopt;
    }
}

bool Win32MediaKeys::deliver(ui::MediaKey key) {
    // A key pressed while the previous key's handler still runs, or waits in its error box, is
    // dropped rather than run inside it.
    if (running_ || !onKey)
        return running_;
    running_ = true;
    bool acted = true; // a handler that failed did act: its error box was shown
    toolkit_.dispatch([&] { acted = onKey(key); });
    running_ = false;
    return acted;
}

bool Win32MediaKeys::appCommand(LPARAM lParam) {
    const auto key = keyOfAppCommand(GET_APPCOMMAND_LPARAM(lParam));
    return key && deliver(*key);
}

LRESULT Win32MediaKeys::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        const int id = int(wParam) - FirstHotKeyId;
        if (id >= 0 && id < 4 && claimed_)
            deliver(ui::MediaKey(id));
        return 0;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

// ---- the toolkit's side ----

Win32Toolkit::~Win32Toolkit() = default;

ui::MediaKeys& Win32Toolkit::mediaKeys() {
    if (!mediaKeys_)
        mediaKeys_ = std::make_unique<Win32MediaKeys>(*this);
    return *mediaKeys_;
}

bool Win32Toolkit::appCommand(LPARAM lParam) { return mediaKeys_ && mediaKeys_->appCommand(lParam); }

void Win32Toolkit::acceptDrops(ui::Control& target, ui::DropHandler onDrop) {
    dropTargets_.push_back(
        std::make_unique<Win32DropTarget>(*this, reinterpret_cast<HWND>(target.handle()), std::move(onDrop)));
}

} // namespace vx::win32
