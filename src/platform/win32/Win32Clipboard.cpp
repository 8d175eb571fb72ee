#include "platform/win32/Win32Clipboard.h"
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

// The clipboard, open for this thread until the scope ends.
class OpenClipboardScope {
  public:
    OpenClipboardScope() {
        // Another program may hold it for a moment (a clipboard viewer reading it): try a few times.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != 0;
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
    const OpenClipboardScope clipboard;
    if (!clipboard || !EmptyClipboard())
        return false;
    if (!SetClipboardData(CF_DIB, memory.get()))
        return false;
    memory.release(); // the clipboard owns it now
    return true;
}

} // namespace vx::win32
