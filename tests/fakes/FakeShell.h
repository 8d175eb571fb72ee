#pragma once
#include "platform/Shell.h"
#include <map>
#include <string>
#include <vector>

namespace vx::fakes {

// A taskbar (window 100) whose first foreign child is the Start button (window 101).
class FakeShell : public platform::Shell {
  public:
    WindowId taskbar = 100;
    WindowId startButton = 101;
    std::map<WindowId, bool> visible{{101, true}};
    std::vector<WindowId> presses;
    std::vector<std::pair<WindowId, std::wstring>> explored;
    std::vector<std::string>* log = nullptr; // shared record of effects, for order tests

    WindowId findTaskbar() override { return taskbar; }
    WindowId firstForeignChild(WindowId t) override { return t == taskbar ? startButton : 0; }
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
