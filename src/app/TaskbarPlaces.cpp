#include "app/TaskbarPlaces.h"
#include <algorithm>

namespace vx {

namespace {

bool horizontal(TaskbarEdge e) { return e == TaskbarEdge::Bottom || e == TaskbarEdge::Top; }

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

int right(const Rect& r) { return r.left + r.width; }
int bottom(const Rect& r) { return r.top + r.height; }
bool empty(const Rect& r) { return r.width <= 0 || r.height <= 0; }

// Where a length `size` stands across a thickness `room`: centred, or at 0 when it does not fit.
int centredAcross(int room, int size) { return room > size ? (room - size) / 2 : 0; }

} // namespace

TaskbarPlaces::TaskbarPlaces(std::optional<platform::TaskbarLayout> taskbar, Rect primaryScreen,
                             int barWidth, int barHeight)
    : taskbar_(std::move(taskbar)), monitor_(primaryScreen), work_(primaryScreen),
      barWidth_(barWidth), barHeight_(barHeight) {
    if (!taskbar_) {
        // Nothing stands at the bottom.
        shown_ = {monitor_.left, bottom(monitor_), monitor_.width, 0};
        return;
    }
    if (!empty(taskbar_->monitor)) {
        monitor_ = taskbar_->monitor;
        work_ = empty(taskbar_->workArea) ? monitor_ : taskbar_->workArea;
    }
    // The edge the taskbar stands at: the long side tells its direction, its middle the side of
    // its monitor. An auto-hidden taskbar lies mostly off the monitor; shown, it slides back in.
    const Rect& b = taskbar_->bounds;
    const Rect& m = monitor_;
    shown_ = b;
    if (b.width >= b.height) {
        edge_ = 2 * (b.top - m.top) + b.height > m.height ? TaskbarEdge::Bottom : TaskbarEdge::Top;
        shown_.top = edge_ == TaskbarEdge::Bottom ? std::min(b.top, bottom(m) - b.height)
                                                  : std::max(b.top, m.top);
    } else {
        edge_ = 2 * (b.left - m.left) + b.width > m.width ? TaskbarEdge::Right : TaskbarEdge::Left;
        shown_.left = edge_ == TaskbarEdge::Right ? std::min(b.left, right(m) - b.width)
                                                  : std::max(b.left, m.left);
    }
    // The system derives the work area from the taskbar a moment after the taskbar has moved:
    // one that still takes in the taskbar's place is out of date, and the monitor serves.
    if (overlap(work_, shown_))
        work_ = monitor_;
}

Rect TaskbarPlaces::bar() const {
    if (!taskbar_)
        return {StartInset, 0, barWidth_, barHeight_};
    const platform::TaskbarLayout& t = *taskbar_;
    const bool across = horizontal(edge_);
    // Along the taskbar: `lead` and `length` of the Start window, the bar's own length.
    const bool hasStart = t.start.width > 0 && t.start.height > 0;
    const int lead = across ? t.start.left : t.start.top;
    const int startLength = across ? t.start.width : t.start.height;
    const int length = across ? barWidth_ : barHeight_;
    const int taskbarLength = across ? t.bounds.width : t.bounds.height;
    int along = StartInset;
    if (hasStart)
        along = t.startDrawn ? lead + (startLength - length) / 2 : lead + StartInset;
    along = std::clamp(along, 0, std::max(0, taskbarLength - length));
    if (across)
        return {along, centredAcross(t.bounds.height, barHeight_), barWidth_, barHeight_};
    return {centredAcross(t.bounds.width, barWidth_), along, barWidth_, barHeight_};
}

Rect TaskbarPlaces::panel(int width, int height) const {
    Rect r{monitor_.left + PanelLeft, 0, width, height};
    switch (edge_) {
    case TaskbarEdge::Bottom:
        r.top = std::min(bottom(monitor_) - GapAboveScreenBottom - height, shown_.top - height);
        break;
    case TaskbarEdge::Top: r.top = bottom(shown_); break;
    case TaskbarEdge::Left:
        r.left = right(shown_);
        r.top = shown_.top + bar().top;
        break;
    case TaskbarEdge::Right:
        r.left = shown_.left - width;
        r.top = shown_.top + bar().top;
        break;
    }
    return onScreen(r);
}

int TaskbarPlaces::besideLeft(const Rect& panel, int offset, int width) const {
    if (edge_ == TaskbarEdge::Right)
        return panel.left - offset - width;
    return panel.left + panel.width + offset;
}

Rect TaskbarPlaces::besidePanel(const Rect& panel, int width, int height) const {
    return onScreen({besideLeft(panel, BesidePanelGap, width), panel.top, width, height});
}

Rect TaskbarPlaces::besideFavourites(const Rect& panel, int favouritesWidth, int width, int height) const {
    const int offset = BesidePanelGap + favouritesWidth + BesideFavouritesGap;
    return onScreen({besideLeft(panel, offset, width), panel.top, width, height});
}

Rect TaskbarPlaces::player(int width, int height) const {
    return clearOfTaskbar({monitor_.left + PlayerLeft,
                           bottom(monitor_) - GapAboveScreenBottom - height, width, height});
}

Rect TaskbarPlaces::clearOfTaskbar(const Rect& window) const {
    if (!taskbar_ || !overlap(window, shown_))
        return window;
    Rect r = window;
    switch (edge_) {
    case TaskbarEdge::Bottom: r.top = shown_.top - r.height; break;
    case TaskbarEdge::Top: r.top = bottom(shown_); break;
    case TaskbarEdge::Left: r.left = right(shown_); break;
    case TaskbarEdge::Right: r.left = shown_.left - r.width; break;
    }
    return onScreen(r);
}

Rect TaskbarPlaces::onScreen(Rect r) const {
    r.left = std::clamp(r.left, work_.left, std::max(work_.left, right(work_) - r.width));
    r.top = std::clamp(r.top, work_.top, std::max(work_.top, bottom(work_) - r.height));
    return r;
}

} // namespace vx
