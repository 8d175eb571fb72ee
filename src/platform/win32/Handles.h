#pragma once
#include <windows.h>
#include <memory>
#include <type_traits>

namespace vx::win32 {

// One owner type per handle kind: movable, never copyable, released exactly once.
template <typename H, auto Release> struct HandleDeleter {
    using pointer = H;
    void operator()(H h) const noexcept {
        if (h)
            Release(h);
    }
};

template <typename H, auto Release>
using UniqueHandleOf = std::unique_ptr<std::remove_pointer_t<H>, HandleDeleter<H, Release>>;

inline void closeKernelHandle(HANDLE h) noexcept {
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
}
inline void closeKey(HKEY k) noexcept { RegCloseKey(k); }
inline void freeLibrary(HMODULE m) noexcept { FreeLibrary(m); }
inline void deleteGdiObject(HGDIOBJ o) noexcept { DeleteObject(o); }
inline void deleteDc(HDC dc) noexcept { DeleteDC(dc); }
inline void destroyMenu(HMENU m) noexcept { DestroyMenu(m); }
inline void destroyWindow(HWND w) noexcept { DestroyWindow(w); }
inline void unhook(HHOOK h) noexcept { UnhookWindowsHookEx(h); }
inline void closeFind(HANDLE h) noexcept {
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);
}

using UniqueHandle = UniqueHandleOf<HANDLE, closeKernelHandle>;
using UniqueKey = UniqueHandleOf<HKEY, closeKey>;
using UniqueModule = UniqueHandleOf<HMODULE, freeLibrary>;
using UniqueBitmap = UniqueHandleOf<HBITMAP, deleteGdiObject>;
using UniqueFont = UniqueHandleOf<HFONT, deleteGdiObject>;
using UniqueBrush = UniqueHandleOf<HBRUSH, deleteGdiObject>;
using UniqueDc = UniqueHandleOf<HDC, deleteDc>;
using UniqueMenu = UniqueHandleOf<HMENU, destroyMenu>;
using UniqueWindow = UniqueHandleOf<HWND, destroyWindow>;
using UniqueHook = UniqueHandleOf<HHOOK, unhook>;
using UniqueFind = UniqueHandleOf<HANDLE, closeFind>;

// A device context of a window (or the screen), given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    // The whole window, frame included (GetWindowDC).
    struct Whole {};
    WindowDc(HWND window, Whole) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC, put back when the scope ends.
class SelectObjectScope {
  public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectObjectScope() { SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace vx::win32
