#include "platform/win32/Win32WindowList.h"
#include <vector>
#include <windows.h>

namespace vx::win32 {

namespace {
HWND hwnd(WindowId w) {
    return reinterpret_cast<HWND>(w);
}
WindowId id(HWND w) {
    return reinterpret_cast<WindowId>(w);
}
} // namespace

WindowId Win32WindowList::first(WindowId window) {
    return id(GetWindow(hwnd(window), GW_HWNDFIRST));
}

WindowId Win32WindowList::next(WindowId window) {
    return id(GetWindow(hwnd(window), GW_HWNDNEXT));
}

WindowId Win32WindowList::owner(WindowId window) {
    return id(GetWindow(hwnd(window), GW_OWNER));
}

bool Win32WindowList::visible(WindowId window) {
    return IsWindowVisible(hwnd(window)) != FALSE;
}

std::wstring Win32WindowList::title(WindowId window, int bufferChars) {
    if (bufferChars <= 0)
        return {};
    // For another process's window this reads the stored title without sending it a message,
    // so a hung application cannot hold the caller here.
    std::vector<wchar_t> buffer(std::size_t(bufferChars), L'\0');
    int copied = GetWindowTextW(hwnd(window), buffer.data(), bufferChars);
    return std::wstring(buffer.data(), std::size_t(copied > 0 ? copied : 0));
}

WindowId Win32WindowList::findByTitle(const std::wstring& title) {
    return id(FindWindowW(nullptr, title.c_str()));
}

bool Win32WindowList::hung(WindowId window) {
    return IsHungAppWindow(hwnd(window)) != FALSE;
}

// CloseWindow on another thread's window waits until that thread has handled it, for ever if
// its application stopped taking messages less than the few seconds after which the system
// calls it hung. The request is posted instead, so it can never hold the caller.
void Win32WindowList::minimise(WindowId window) {
    ShowWindowAsync(hwnd(window), SW_MINIMIZE);
}

platform::CloseRequest Win32WindowList::requestClose(WindowId window) {
    DWORD_PTR result = 0;
    LRESULT sent = SendMessageTimeoutW(hwnd(window), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG,
                                       CloseRequestWaitMs, &result);
    return sent ? platform::CloseRequest::Answered : platform::CloseRequest::NoAnswer;
}

} // namespace vx::win32
