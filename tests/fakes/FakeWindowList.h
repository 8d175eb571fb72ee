#pragma once
#include "platform/WindowList.h"
#include <algorithm>
#include <cwctype>
#include <functional>
#include <string>
#include <vector>

namespace vx::fakes {

// The desktop's top-level windows in z-order, topmost first. A window that accepts a close
// request is destroyed: it leaves the list, and asking for its successor then gives none, as it
// does for a destroyed window.
class FakeWindowList : public platform::WindowList {
  public:
    struct Window {
        WindowId id = 0;
        std::wstring title;
        bool visible = true;
        WindowId owner = 0;
        bool hung = false;         // its application takes no messages
        bool refusesClose = false; // answers WM_CLOSE without closing
        bool minimised = false;
        int minimiseRequests = 0;
        int closeRequests = 0;
    };
    std::vector<Window> windows; // z-order, topmost first
    std::vector<Window> closed;  // destroyed by a close request, in that order
    std::vector<WindowId> firstAskedOf;
    std::vector<std::wstring> titlesSearched;
    int lastTitleBuffer = 0;
    // Each question asked about a window, as "visible 12", "owner 12" or "title 12".
    std::vector<std::string> questions;
    // Runs after a window has handled a close request, so a test can rearrange the desktop.
    std::function<void(WindowId)> afterClose;

    Window& add(Window w) {
        windows.push_back(std::move(w));
        return windows.back();
    }
    Window* find(WindowId w) {
        auto it = std::find_if(windows.begin(), windows.end(),
                               [&](const Window& x) { return x.id == w; });
        return it == windows.end() ? nullptr : &*it;
    }

    WindowId first(WindowId window) override {
        firstAskedOf.push_back(window);
        return windows.empty() ? 0 : windows.front().id;
    }
    WindowId next(WindowId window) override {
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (windows[i].id == window)
                return i + 1 < windows.size() ? windows[i + 1].id : 0;
        return 0;
    }
    WindowId owner(WindowId window) override {
        questions.push_back("owner " + std::to_string(window));
        auto* w = find(window);
        return w ? w->owner : 0;
    }
    bool visible(WindowId window) override {
        questions.push_back("visible " + std::to_string(window));
        auto* w = find(window);
        return w && w->visible;
    }
    std::wstring title(WindowId window, int bufferChars) override {
        lastTitleBuffer = bufferChars;
        questions.push_back("title " + std::to_string(window));
        auto* w = find(window);
        if (!w || bufferChars <= 0)
            return {};
        return w->title.substr(0, std::size_t(bufferChars - 1));
    }
    WindowId findByTitle(const std::wstring& title) override {
        titlesSearched.push_back(title);
        auto lower = [](std::wstring s) {
            for (auto& c : s)
                c = wchar_t(std::towlower(c));
            return s;
        };
        for (auto& w : windows)
            if (lower(w.title) == lower(title))
                return w.id;
        return 0;
    }
    bool hung(WindowId window) override {
        auto* w = find(window);
        return w && w->hung;
    }
    void minimise(WindowId window) override {
        if (auto* w = find(window)) {
            w->minimised = true;
            ++w->minimiseRequests;
        }
    }
    platform::CloseRequest requestClose(WindowId window) override {
        auto* w = find(window);
        if (!w)
            return platform::CloseRequest::NoAnswer;
        if (w->hung)
            return platform::CloseRequest::NoAnswer;
        ++w->closeRequests;
        if (!w->refusesClose) {
            closed.push_back(*w);
            windows.erase(windows.begin() + (w - windows.data()));
        }
        if (afterClose)
            afterClose(window);
        return platform::CloseRequest::Answered;
    }
};

} // namespace vx::fakes
