#pragma once
#include "platform/Types.h"
#include <string>

namespace vx::platform {

// What became of a close request sent to another application's window.
enum class CloseRequest {
    Answered, // the window's application handled the request (it may still have refused to close)
    NoAnswer, // its application is hung, or did not answer within the wait
};

// The top-level windows of the desktop, for the window sweeper. Window 0 means none.
class WindowList {
  public:
    // How long a close request waits for its answer. An application that asks its own question
    // first (whether to save changes) needs the user to answer it within this time; after it,
    // the walk goes on without that window.
    static constexpr unsigned CloseRequestWaitMs = 60'000;

    virtual ~WindowList() = default;
    // The topmost window of the z-order that `window` belongs to (GW_HWNDFIRST).
    virtual WindowId first(WindowId window) = 0;
    // The window below `window` in z-order (GW_HWNDNEXT).
    virtual WindowId next(WindowId window) = 0;
    // Its owner window (GW_OWNER).
    virtual WindowId owner(WindowId window) = 0;
    // Visible in the system's sense: a minimised window counts as visible.
    virtual bool visible(WindowId window) = 0;
    // The title as read into a buffer of `bufferChars` characters (the terminating zero included).
    virtual std::wstring title(WindowId window, int bufferChars) = 0;
    // A top-level window of any class with this title, compared without regard to case.
    virtual WindowId findByTitle(const std::wstring& title) = 0;
    // True when the window's application has stopped taking its messages.
    virtual bool hung(WindowId window) = 0;
    // Asks the window's application to minimise it, without waiting; it is not destroyed.
    virtual void minimise(WindowId window) = 0;
    // Sends WM_CLOSE and waits, at most CloseRequestWaitMs, for the application to handle it;
    // an application already hung is not waited for.
    virtual CloseRequest requestClose(WindowId window) = 0;
};

} // namespace vx::platform
