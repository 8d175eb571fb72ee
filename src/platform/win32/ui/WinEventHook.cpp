#include "platform/win32/ui/WinEventHook.h"
#include <algorithm>
#include <utility>
#include <vector>

namespace vx::win32 {

namespace {

// The system calls the hook's procedure with the hook's handle and nothing else: each live
// hook of this thread is found by its handle here.
std::vector<std::pair<HWINEVENTHOOK, WinEventHook*>>& liveHooks() {
    thread_local std::vector<std::pair<HWINEVENTHOOK, WinEventHook*>> hooks;
    return hooks;
}

// EVENT_OBJECT_DESTROY, SHOW, HIDE, then LOCATIONCHANGE at the end of the object events' range:
// the hook takes the range from the first to the last and lets the others through unheard.
bool followed(DWORD event) {
    return event == EVENT_OBJECT_DESTROY || event == EVENT_OBJECT_SHOW ||
           event == EVENT_OBJECT_HIDE || event == EVENT_OBJECT_LOCATIONCHANGE;
}

} // namespace

WinEventHook::WinEventHook(HWND first, HWND second, std::function<void()> onEvent)
    : first_(first), second_(second), onEvent_(std::move(onEvent)) {
    DWORD process = 0;
    const DWORD thread = first ? GetWindowThreadProcessId(first, &process) : 0;
    if (!thread)
        return;
    // Out of context: the events come to this thread's message loop, and no code of this
    // program is loaded into the taskbar's process.
    hook_ = SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                            &WinEventHook::onWinEvent, process, thread, WINEVENT_OUTOFCONTEXT);
    if (hook_)
        liveHooks().emplace_back(hook_, this);
}

WinEventHook::WinEventHook(std::function<void()> onEvent) : onEvent_(std::move(onEvent)), creations_(true) {
    hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &WinEventHook::onWinEvent, 0, 0,
                            WINEVENT_OUTOFCONTEXT);
    if (hook_)
        liveHooks().emplace_back(hook_, this);
}

std::unique_ptr<WinEventHook> WinEventHook::windowsCreated(std::function<void()> onEvent) {
    return std::unique_ptr<WinEventHook>(new WinEventHook(std::move(onEvent)));
}

WinEventHook::~WinEventHook() {
    if (!hook_)
        return;
    UnhookWinEvent(hook_);
    std::erase_if(liveHooks(), [this](const auto& entry) { return entry.second == this; });
}

void CALLBACK WinEventHook::onWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                       LONG child, DWORD /*thread*/, DWORD /*time*/) {
    // The events of the windows' own frames only: not those of their children, carets or
    // scroll bars.
    if (object != OBJID_WINDOW || child != CHILDID_SELF)
        return;
    auto& hooks = liveHooks();
    const auto it = std::find_if(hooks.begin(), hooks.end(),
                                 [hook](const auto& entry) { return entry.first == hook; });
    if (it == hooks.end())
        return;
    WinEventHook& self = *it->second;
    if (self.creations_ ? event == EVENT_OBJECT_CREATE
                        : followed(event) && window && (window == self.first_ || window == self.second_))
        self.onEvent_();
}

} // namespace vx::win32
