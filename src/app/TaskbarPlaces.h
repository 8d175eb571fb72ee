#pragma once
#include "platform/Shell.h"
#include "platform/Types.h"
#include "platform/ui/Form.h"
#include <optional>

namespace vx {

enum class TaskbarEdge { Bottom, Top, Left, Right };

// Where the program's windows stand against the taskbar as it is now: the bar inside it, in
// the Start button's place, and the tool panel and the windows around it next to the taskbar,
// never on or under it, on the monitor the taskbar stands on and inside that monitor's work
// area. All in the program's 96-dpi units. Without a taskbar, or where its monitor is not
// known, the windows take the primary screen, and the places that a taskbar of up to 29 units
// at its bottom leaves them.
class TaskbarPlaces {
  public:
    // The bar's leading edge stands this far into the Start window's place.
    static constexpr int StartInset = 3;
    // The least room under the tool panel and the player: a classic taskbar and a little air.
    static constexpr int GapAboveScreenBottom = 29;
    static constexpr int PanelLeft = 4;
    static constexpr int PlayerLeft = 32;
    static constexpr int BesidePanelGap = 4;      // between the panel and the drive dialog or favourites
    static constexpr int BesideFavouritesGap = 2; // between the favourites and the add-folder window

    // `primaryScreen`: the primary monitor's rectangle, at (0, 0).
    TaskbarPlaces(std::optional<platform::TaskbarLayout> taskbar, Rect primaryScreen, int barWidth,
                  int barHeight);

    TaskbarEdge edge() const { return edge_; }
    // Where the taskbar stands when it is shown (an auto-hidden one slid back in), on the screen.
    Rect shownTaskbar() const { return shown_; }

    // The bar, in the taskbar's client coordinates (on the screen without a taskbar): in the
    // Start window's place, centred across the taskbar's thickness; over the drawn Start button
    // where the taskbar draws it.
    Rect bar() const;
    // The tool panel: above a bottom taskbar, below a top one, beside a vertical one at the
    // bar's height.
    Rect panel(int width, int height) const;
    // The drive dialog and the favourites window: level with the panel, on its far side from
    // the taskbar's edge (left of a panel that stands at the right edge).
    Rect besidePanel(const Rect& panel, int width, int height) const;
    // The add-folder window: beside the favourites window, which stands beside the panel.
    Rect besideFavourites(const Rect& panel, int favouritesWidth, int width, int height) const;
    // The player's place at start.
    Rect player(int width, int height) const;
    // `window` as it is when it keeps clear of the taskbar; moved just clear of it otherwise.
    Rect clearOfTaskbar(const Rect& window) const;

  private:
    Rect onScreen(Rect r) const;
    int besideLeft(const Rect& panel, int offset, int width) const;

    std::optional<platform::TaskbarLayout> taskbar_;
    Rect monitor_;
    Rect work_;
    int barWidth_;
    int barHeight_;
    TaskbarEdge edge_ = TaskbarEdge::Bottom;
    Rect shown_;
};

// The place a window takes from the taskbar. The window is moved only when that place changes,
// so a window the user has moved stays where it was put until the taskbar moves.
class FollowedPlace {
  public:
    void apply(ui::Form& window, const Rect& place) {
        if (last_ && *last_ == place)
            return;
        last_ = place;
        window.setBounds(place);
    }

  private:
    std::optional<Rect> last_;
};

} // namespace vx
