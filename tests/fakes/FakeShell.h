#pragma once
#include "platform/Shell.h"
#include <map>
#include <string>
#include <vector>

namespace vx::fakes {

// A taskbar (window 100) whose Start window is a button that hides (window 101): by default
// 20 high along the bottom of a 1024 x 768 screen, as Wine's.
class FakeShell : public platform::Shell {
  public:
    WindowId taskbar = 100;
    WindowId startButton = 101;
    platform::TaskbarLayout layout{{0, 748, 1024, 20}, {0, 0, 50, 20}, false};
    bool keysRefused = false;       // keyboard input cannot be sent
    int startMenuKeys = 0;          // Ctrl+Esc sent
    std::vector<WindowId> startMenuCommands; // SC_TASKLIST posted to these taskbars
    std::map<WindowId, bool> visible{{101, true}};
    std::vector<WindowId> presses;
    std::vector<std::pair<WindowId, std::wstring>> explored;
    std::vector<std::string>* log = nullptr; // shared record of effects, for order tests

    WindowId findTaskbar() override { return taskbar; }
    WindowId startWindow(WindowId t) override { return t == taskbar ? startButton : 0; }
    std::optional<platform::TaskbarLayout> taskbarLayout(WindowId t, WindowId) override {
        if (!t || t != taskbar)
            return std::nullopt;
        return layout;
    }
    bool sendStartMenuKeys() override {
        if (keysRefused)
            return false;
        ++startMenuKeys;
        return true;
    }
    void postStartMenuCommand(WindowId t) override { startMenuCommands.push_back(t); }
    bool isVisible(WindowId w) override { return visible[w]; }
    void show(WindowId w, bool v) override {
        visible[w] = v;
        if (log)
            log->push_back(v ? "start button shown" : "start button hidden");
    }
    void pressButton(WindowId w) override {
        presses.push_back(w);
        captured = w;
    }
    bool hasCapture(WindowId w) override { return captured == w; }
    WindowId captured = 0;
    void explore(WindowId owner, const std::wstring& path) override { explored.emplace_back(owner, path); }
};

} // namespace vx::fakes
