#include "fakes/FakePlatform.h"
#include "tools/TForm3.h"
#include <gtest/gtest.h>

using namespace vx;
using Window = fakes::FakeWindowList::Window;

namespace {

struct Sweeper : ::testing::Test {
    fakes::FakeMachine m;
    Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    WindowSweeper& sweeper() { return app->Form3->Sweeper; }
    fakes::FakeWindowList& desk() { return m.windows; }

    // The program's own windows as the system lists them: the application window is hidden in
    // real life; here it is visible, unowned and titled so that only its identity excludes it.
    void addOwnWindows() {
        desk().add({.id = m.ui.applicationWindow(), .title = L"Vextral"});
        for (auto* f : m.ui.forms)
            desk().add(
                {.id = f->handle(), .title = f->params.caption, .owner = m.ui.applicationWindow()});
    }
    std::vector<WindowId> minimised() {
        std::vector<WindowId> ids;
        for (auto& w : desk().windows)
            if (w.minimised)
                ids.push_back(w.id);
        return ids;
    }
    std::vector<WindowId> closed() {
        std::vector<WindowId> ids;
        for (auto& w : desk().closed)
            ids.push_back(w.id);
        return ids;
    }
    std::vector<std::string> questionsAbout(WindowId id) {
        std::vector<std::string> out;
        const std::string suffix = " " + std::to_string(id);
        for (auto& q : desk().questions)
            if (q.size() > suffix.size() && q.compare(q.size() - suffix.size(), suffix.size(), suffix) == 0)
                out.push_back(q);
        return out;
    }
    int closeRequests() {
        int n = int(desk().closed.size());
        for (auto& w : desk().windows)
            n += w.closeRequests;
        return n;
    }
};

// One desktop with a window failing each test in turn, between eligible ones at the top, in the
// middle and at the bottom of the z-order.
void addMixedDesktop(fakes::FakeWindowList& d) {
    d.add({.id = 10, .title = L"Top editor"});
    d.add({.id = 11, .title = L"Program Manager"}); // the shell's desktop window, any case
    d.add({.id = 12, .title = L"Hidden", .visible = false});
    d.add({.id = 13, .title = L"Save as", .owner = 10}); // another application's dialog
    d.add({.id = 14, .title = L""});
    d.add({.id = 15, .title = std::wstring(300, L'x')}); // longer than the title buffer
    d.add({.id = 16, .title = L"Already minimised", .minimised = true});
    d.add({.id = 17, .title = L"Bottom browser"});
}

} // namespace

TEST_F(Sweeper, LeftClickMinimisesExactlyTheEligibleWindowsAndClosesNone) {
    addMixedDesktop(desk());
    addOwnWindows();
    sweeper().minimiseAll();
    EXPECT_EQ(minimised(), (std::vector<WindowId>{10, 15, 16, 17}));
    EXPECT_EQ(desk().find(16)->minimiseRequests, 1) << "a minimised window is minimised again";
    EXPECT_EQ(closeRequests(), 0);
    // The tests run in their order and stop at the first that fails: nothing is asked of the
    // desktop window, a hidden window is not asked for its owner, an owned one not for its title.
    EXPECT_EQ(questionsAbout(11), std::vector<std::string>{});
    EXPECT_EQ(questionsAbout(12), std::vector<std::string>{"visible 12"});
    EXPECT_EQ(questionsAbout(13), (std::vector<std::string>{"visible 13", "owner 13"}));
    EXPECT_EQ(questionsAbout(14), (std::vector<std::string>{"visible 14", "owner 14", "title 14"}));
    EXPECT_EQ(desk().firstAskedOf, std::vector<WindowId>{app->panelWindow().handle()});
    EXPECT_EQ(desk().titlesSearched, std::vector<std::wstring>{L"Program manager"});
    EXPECT_EQ(desk().lastTitleBuffer, 128);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Sweeper, RightPressClosesExactlyTheEligibleWindowsTopDownAndMinimisesNone) {
    addMixedDesktop(desk());
    addOwnWindows();
    desk().windows[6].minimised = false;
    sweeper().closeAll();
    EXPECT_EQ(closed(), (std::vector<WindowId>{10, 15, 16, 17}));
    EXPECT_TRUE(minimised().empty());
    // Everything left is untouched: the program's own windows among them.
    EXPECT_EQ(closeRequests(), 4);
    EXPECT_NE(desk().find(m.ui.applicationWindow()), nullptr);
    EXPECT_NE(desk().find(app->panelWindow().handle()), nullptr);
}

TEST_F(Sweeper, ClosingAWindowStillReachesEveryWindowBelowIt) {
    for (WindowId id = 20; id < 25; ++id)
        desk().add({.id = id, .title = L"Document " + std::to_wstring(id)});
    sweeper().closeAll();
    EXPECT_EQ(closed(), (std::vector<WindowId>{20, 21, 22, 23, 24}));
    EXPECT_TRUE(desk().windows.empty());
}

TEST_F(Sweeper, RefusingAndHungWindowsAreLeftAndTheWalkGoesOn) {
    desk().add({.id = 30, .title = L"Not answering", .hung = true});
    desk().add({.id = 31, .title = L"Unsaved changes", .refusesClose = true});
    desk().add({.id = 32, .title = L"Calculator"});

    sweeper().minimiseAll();
    EXPECT_EQ(minimised(), (std::vector<WindowId>{31, 32}))
        << "a hung window would hold the program";

    for (auto& w : desk().windows)
        w.minimised = false;
    sweeper().closeAll();
    EXPECT_EQ(closed(), std::vector<WindowId>{32});
    EXPECT_EQ(desk().find(31)->closeRequests, 1);
    EXPECT_NE(desk().find(30), nullptr);
    EXPECT_TRUE(minimised().empty());
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Sweeper, AWalkEndsWhenTheZOrderBringsAWindowRoundAgain) {
    // Each refusing window puts itself at the bottom when asked to close, so the list below the
    // walk never runs out.
    desk().add({.id = 40, .title = L"First", .refusesClose = true});
    desk().add({.id = 41, .title = L"Second", .refusesClose = true});
    desk().afterClose = [&](WindowId id) {
        auto* w = desk().find(id);
        Window moved = *w;
        desk().windows.erase(desk().windows.begin() + (w - desk().windows.data()));
        desk().windows.push_back(moved);
    };
    sweeper().closeAll();
    EXPECT_EQ(desk().find(40)->closeRequests, 1);
    EXPECT_EQ(desk().find(41)->closeRequests, 1);
}

TEST_F(Sweeper, AnEmptyDesktopEndsAtOnce) {
    sweeper().minimiseAll();
    sweeper().closeAll();
    EXPECT_EQ(desk().firstAskedOf.size(), 2u);
    EXPECT_TRUE(m.ui.errors.empty());
}
