#include "app/TaskbarPlaces.h"
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace vx;

namespace vx {
inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace vx

namespace {

constexpr int ScreenW = 1024, ScreenH = 768;
constexpr int BarW = 50, BarH = 24;
constexpr int PanelW = 28, PanelH = 180;
constexpr int DialogW = 126, DialogH = 120; // a window beside the panel
constexpr int FavouritesW = 301;
constexpr int PlayerW = 217, PlayerH = 265;

struct Case {
    const char* name;
    std::optional<platform::TaskbarLayout> taskbar;
    Rect bar;    // in the taskbar's client coordinates
    Rect panel;  // on the screen
    int besideLeft; // the drive dialog's left edge (its top is the panel's)
    int addFolderLeft;
    Rect player;
};

platform::TaskbarLayout hideable(Rect bounds, Rect start) { return {bounds, start, false}; }
platform::TaskbarLayout drawn(Rect bounds, Rect start) { return {bounds, start, true}; }

// Left of the panel where it stands at the right edge, else right of it.
const std::vector<Case> cases = {
    // Wine's taskbar, thinner than the bar: the places of a classic desktop, bar at (3, 0).
    {"wine 20 bottom", hideable({0, 748, 1024, 20}, {0, 0, 50, 20}), {3, 0, 50, 24}, {4, 559, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    // A 28-unit taskbar leaves the windows where they always stood; the bar is centred in it.
    {"classic 28 bottom", hideable({0, 740, 1024, 28}, {0, 0, 54, 28}), {3, 2, 50, 24}, {4, 559, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 bottom", hideable({0, 728, 1024, 40}, {0, 0, 48, 40}), {3, 8, 50, 24}, {4, 548, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 728 - PlayerH, PlayerW, PlayerH}},
    // Auto-hidden: two pixels show, the rest is below the screen; the windows keep clear of
    // where it slides to.
    {"windows 10 bottom hidden", hideable({0, 766, 1024, 40}, {0, 0, 48, 40}), {3, 8, 50, 24}, {4, 548, 28, 180},
     36, 36 + FavouritesW + 2, {32, 728 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 bottom 150 %", hideable({0, 708, 1024, 60}, {0, 0, 48, 60}), {3, 18, 50, 24}, {4, 528, 28, 180},
     36, 36 + FavouritesW + 2, {32, 708 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 top", hideable({0, 0, 1024, 40}, {0, 0, 48, 40}), {3, 8, 50, 24}, {4, 40, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 top hidden", hideable({0, -38, 1024, 40}, {0, 0, 48, 40}), {3, 8, 50, 24}, {4, 40, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    // Vertical: the bar at the top, centred across the width; the panel beside the taskbar at
    // the bar's height, the windows beside the panel on its side away from the edge.
    {"windows 10 left", hideable({0, 0, 62, 768}, {0, 0, 62, 40}), {6, 3, 50, 24}, {62, 3, 28, 180}, 94,
     94 + FavouritesW + 2, {62, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 left hidden", hideable({-60, 0, 62, 768}, {0, 0, 62, 40}), {6, 3, 50, 24}, {62, 3, 28, 180}, 94,
     94 + FavouritesW + 2, {62, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    {"windows 10 right", hideable({962, 0, 62, 768}, {0, 0, 62, 40}), {6, 3, 50, 24}, {934, 3, 28, 180},
     934 - 4 - DialogW, 934 - 4 - FavouritesW - 2 - DialogW, {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    // Just moved there from the top: the work area still leaves out the top 40.
    {"windows 10 right, work area not yet updated",
     platform::TaskbarLayout{{962, 0, 62, 768}, {0, 0, 62, 40}, false, {0, 0, 1024, 768}, {0, 40, 1024, 728}},
     {6, 3, 50, 24}, {934, 3, 28, 180}, 934 - 4 - DialogW, 934 - 4 - FavouritesW - 2 - DialogW,
     {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    // A vertical taskbar narrower than the bar: at its left edge.
    {"narrow left", hideable({0, 0, 40, 768}, {0, 0, 40, 40}), {0, 3, 50, 24}, {40, 3, 28, 180}, 72,
     72 + FavouritesW + 2, {40, 768 - 29 - PlayerH, PlayerW, PlayerH}},
    // The Start button drawn by the taskbar: the bar covers it, centred on its window.
    {"windows 11 centred", drawn({0, 720, 1024, 48}, {470, 0, 48, 48}), {469, 12, 50, 24}, {4, 540, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 720 - PlayerH, PlayerW, PlayerH}},
    {"windows 11 left-aligned", drawn({0, 720, 1024, 48}, {0, 0, 48, 48}), {0, 12, 50, 24}, {4, 540, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 720 - PlayerH, PlayerW, PlayerH}},
    {"windows 11 without a Start window", drawn({0, 720, 1024, 48}, {}), {3, 12, 50, 24}, {4, 540, 28, 180}, 36,
     36 + FavouritesW + 2, {32, 720 - PlayerH, PlayerW, PlayerH}},
    // On another monitor than the primary one: placed against that monitor and its work area.
    {"monitor above", platform::TaskbarLayout{{-128, -40, 1280, 40}, {0, 0, 48, 40}, false, {-128, -1024, 1280, 1024},
                                              {-128, -1024, 1280, 984}},
     {3, 8, 50, 24}, {-124, -220, 28, 180}, -92, -92 + FavouritesW + 2, {-96, -40 - PlayerH, PlayerW, PlayerH}},
    {"monitor to the left, taskbar at its right edge",
     platform::TaskbarLayout{{-62, 0, 62, 1024}, {0, 0, 62, 40}, false, {-1280, 0, 1280, 1024}, {-1280, 0, 1218, 1024}},
     {6, 3, 50, 24}, {-90, 3, 28, 180}, -90 - 4 - DialogW, -90 - 4 - FavouritesW - 2 - DialogW,
     {-1280 + 32, 1024 - 29 - PlayerH, PlayerW, PlayerH}},
    {"monitor to the right, 2560 x 1440 at 150 % in 96-dpi units",
     platform::TaskbarLayout{{1024, 912, 1707, 48}, {830, 0, 48, 48}, true, {1024, 0, 1707, 960}, {1024, 0, 1707, 912}},
     {829, 12, 50, 24}, {1028, 732, 28, 180}, 1060, 1060 + FavouritesW + 2, {1056, 912 - PlayerH, PlayerW, PlayerH}},
    // No taskbar: the bar stands alone at (3, 0) of the screen.
    {"no taskbar", std::nullopt, {3, 0, 50, 24}, {4, 559, 28, 180}, 36, 36 + FavouritesW + 2,
     {32, 768 - 29 - PlayerH, PlayerW, PlayerH}},
};

} // namespace

TEST(TaskbarPlaces, EveryWindowStandsNextToTheTaskbarAndClearOfIt) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TaskbarPlaces places(c.taskbar, {0, 0, ScreenW, ScreenH}, BarW, BarH);
        EXPECT_EQ(places.bar(), c.bar);
        const Rect panel = places.panel(PanelW, PanelH);
        EXPECT_EQ(panel, c.panel);
        EXPECT_EQ(places.besidePanel(panel, DialogW, DialogH), (Rect{c.besideLeft, panel.top, DialogW, DialogH}));
        EXPECT_EQ(places.besideFavourites(panel, FavouritesW, DialogW, DialogH).left, c.addFolderLeft);
        EXPECT_EQ(places.player(PlayerW, PlayerH), c.player);

        // Nothing of the program's own windows lies on the taskbar, wherever it slides to.
        const Rect taskbar = places.shownTaskbar();
        for (const Rect& w : {panel, places.besidePanel(panel, DialogW, DialogH), places.player(PlayerW, PlayerH)}) {
            const bool apart = w.left + w.width <= taskbar.left || taskbar.left + taskbar.width <= w.left ||
                               w.top + w.height <= taskbar.top || taskbar.top + taskbar.height <= w.top;
            EXPECT_TRUE(apart) << w << " on the taskbar " << taskbar;
        }
    }
}

TEST(TaskbarPlaces, AWindowAlreadyClearOfTheTaskbarKeepsItsPlaceAndEverythingStaysOnTheScreen) {
    const TaskbarPlaces left(hideable({0, 0, 62, 768}, {0, 0, 62, 40}), {0, 0, ScreenW, ScreenH}, BarW, BarH);
    EXPECT_EQ(left.clearOfTaskbar({300, 200, PlayerW, PlayerH}), (Rect{300, 200, PlayerW, PlayerH}));
    EXPECT_EQ(left.clearOfTaskbar({10, 200, PlayerW, PlayerH}), (Rect{62, 200, PlayerW, PlayerH}));

    // A panel at the bar's height that would reach below the screen stands on its bottom edge,
    // and a window beside a panel at the right edge does not leave the screen at the left.
    const TaskbarPlaces low(hideable({962, 0, 62, 768}, {0, 700, 62, 40}), {0, 0, ScreenW, ScreenH}, BarW, BarH);
    EXPECT_EQ(low.panel(PanelW, PanelH), (Rect{934, 768 - 180, 28, 180}));
    EXPECT_EQ(low.clearOfTaskbar({900, 200, PlayerW, PlayerH}), (Rect{962 - PlayerW, 200, PlayerW, PlayerH}))
        << "a window on a taskbar at the right edge goes just left of it";
    EXPECT_EQ(low.besidePanel({20, 10, PanelW, PanelH}, DialogW, DialogH).left, 0);
}
