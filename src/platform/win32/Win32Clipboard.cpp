#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Handles.h"
#include <windows.h>
#include <cstring>
#include <memory>

namespace vx::win32 {

namespace {

struct GlobalDeleter {
    using pointer = HGLOBAL;
    void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};
using UniqueGlobal = std::unique_ptr<void, GlobalDeleter>;

// The clipboard, open for `owner` until the scope ends.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) {
        // Another program may hold it for a moment (a clipboard viewer reading it): try a few times.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != 0;
            if (!open_)
                Sleep(20);
        }
    }
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

} // namespace

bool putDibOnClipboard(const std::vector<std::uint8_t>& packedDib) {
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, packedDib.size()));
    if (!memory)
        return false;
    void* bytes = GlobalLock(memory.get());
    if (!bytes)
        return false;
    std::memcpy(bytes, packedDib.data(), packedDib.size());
    GlobalUnlock(memory.get());
    // Opened without a window, the clipboard would get no owner from EmptyClipboard, and
    // Windows then refuses SetClipboardData: a message-only window of this thread owns it. The
    // data stays on the clipboard after that window is gone.
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
    if (!owner)
        return false;
    const OpenClipboardScope clipboard(owner.get());
    if (!clipboard || !EmptyClipboard())
        return false;
    if (!SetClipboardData(CF_DIB, memory.get()))
        return false;
    memory.release(); // the clipboard owns it now
    return true;
}

} // namespace vx::win32
