#include "app/TaskbarPlaces.h"
#include <algorithm>

namespace vx {

namespace {

bool horizontal(TaskbarEdge e) { return e == TaskbarEdge::Bottom || e == TaskbarEdge::Top; }

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Where a length `size` stands across a thickness `room`: centred, or at 0 when it does not fit.
int centredAcross(int room, int size) { return room > size ? (room - size) / 2 : 0; }

} // namespace

TaskbarPlaces::TaskbarPlaces(std::optional<platform::TaskbarLayout> taskbar, int screenWidth, int screenHeight,
                             int barWidth, int barHeight)
    : taskbar_(std::move(taskbar)), screenWidth_(screenWidth), screenHeight_(screenHeight), barWidth_(barWidth),
      barHeight_(barHeight) {
    if (!taskbar_) {
        shown_ = {0, screenHeight, screenWidth, 0}; // nothing stands at the bottom
        return;
    }
    // The edge the taskbar stands at: the long side tells its direction, its middle the side of
    // the screen. An auto-hidden taskbar lies mostly off the screen; shown, it slides back in.
    const Rect& b = taskbar_->bounds;
    shown_ = b;
    if (b.width >= b.height) {
        edge_ = 2 * b.top + b.height > screenHeight ? TaskbarEdge::Bottom : TaskbarEdge::Top;
        shown_.top = edge_ == TaskbarEdge::Bottom ? std::min(b.top, screenHeight - b.height) : std::max(b.top, 0);
    } else {
        edge_ = 2 * b.left + b.width > screenWidth ? TaskbarEdge::Right : TaskbarEdge::Left;
        shown_.left = edge_ == TaskbarEdge::Right ? std::min(b.left, screenWidth - b.width) : std::max(b.left, 0);
    }
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
    Rect r{PanelLeft, 0, width, height};
    switch (edge_) {
    case TaskbarEdge::Bottom:
        r.top = std::min(screenHeight_ - GapAboveScreenBottom - height, shown_.top - height);
        break;
    case TaskbarEdge::Top: r.top = shown_.top + shown_.height; break;
    case TaskbarEdge::Left:
        r.left = shown_.left + shown_.width;
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
    return clearOfTaskbar({PlayerLeft, screenHeight_ - GapAboveScreenBottom - height, width, height});
}

Rect TaskbarPlaces::clearOfTaskbar(const Rect& window) const {
    if (!taskbar_ || !overlap(window, shown_))
        return window;
    Rect r = window;
    switch (edge_) {
    case TaskbarEdge::Bottom: r.top = shown_.top - r.height; break;
    case TaskbarEdge::Top: r.top = shown_.top + shown_.height; break;
    case TaskbarEdge::Left: r.left = shown_.left + shown_.width; break;
    case TaskbarEdge::Right: r.left = shown_.left - r.width; break;
    }
    return onScreen(r);
}

Rect TaskbarPlaces::onScreen(Rect r) const {
    r.left = std::clamp(r.left, 0, std::max(0, screenWidth_ - r.width));
    r.top = std::clamp(r.top, 0, std::max(0, screenHeight_ - r.height));
    return r;
}

} // namespace vx
