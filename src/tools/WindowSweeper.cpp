#include "tools/WindowSweeper.h"
#include "app/Application.h"
#include <unordered_set>

namespace vx {

void WindowSweeper::minimiseAll() {
    sweep(Action::Minimise);
}

void WindowSweeper::closeAll() {
    sweep(Action::Close);
}

bool WindowSweeper::eligible(WindowId window, WindowId ownApplication, WindowId desktop) {
    auto& windows = app_.platform.windows;
    return window != ownApplication && window != desktop && windows.visible(window) &&
           windows.owner(window) == 0 && !windows.title(window, TitleBufferChars).empty();
}

// One walk down the z-order from the topmost top-level window. The close variant takes the
// successor before sending the request, because a window that closes has no successor any more.
// Windows of hung applications are passed over: a minimise request would wait in the queue of
// one until some later moment when it recovers, and a close request to one returns at once.
// A window that comes round a second time (the z-order changed under the walk) ends it, so the
// walk always ends.
void WindowSweeper::sweep(Action action) {
    auto& windows = app_.platform.windows;
    const WindowId ownApplication = app_.platform.ui.applicationWindow();
    WindowId current = windows.first(app_.panelWindow().handle());
    const WindowId desktop = windows.findByTitle(DesktopTitle);
    std::unordered_set<WindowId> seen;
    while (current != 0 && seen.insert(current).second) {
        const bool act = eligible(current, ownApplication, desktop);
        WindowId successor = 0;
        if (action == Action::Minimise) {
            if (act && !windows.hung(current))
                windows.minimise(current);
            successor = windows.next(current);
        } else {
            successor = windows.next(current);
            if (act)
                windows.requestClose(current); // a refusal or no answer is not reported
        }
        current = successor;
    }
}

} // namespace vx
