#include "platform/win32/ui/Win32Toolkit.h"
#include "platform/ui/Guard.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/ui/Win32BusyScope.h"
#include "platform/win32/ui/Win32Form.h"
#include <commctrl.h>
#include <algorithm>
#include <utility>

namespace vx::win32 {

namespace {
constexpr UINT_PTR WatchTimerId = 1;
constexpr UINT_PTR OnceTimerId = 2;
constexpr UINT WatchNow = WM_APP + 0x301;
} // namespace

ApplicationWindow::ApplicationWindow(const std::wstring& title, std::function<void()> onTaskbarCreated,
                                     std::function<void()> onShutdownCancelled,
                                     std::function<void()> onSessionEnding, std::function<void()> onWatch)
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")), onTaskbarCreated_(std::move(onTaskbarCreated)),
      onShutdownCancelled_(std::move(onShutdownCancelled)), onSessionEnding_(std::move(onSessionEnding)),
      onWatch_(std::move(onWatch)) {
    registerClass(L"TApplication");
    createWindow(L"TApplication", 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                 nullptr, title.c_str());
    SetTimer(hwnd(), WatchTimerId, ui::Toolkit::WatchMs, nullptr);
}

void ApplicationWindow::watchSoon() const { PostMessageW(hwnd(), WatchNow, 0, 0); }

void ApplicationWindow::runOnceAfter(int delayMs, std::function<void()> onDue) {
    onDue_ = std::move(onDue);
    if (!onDue_) {
        KillTimer(hwnd(), OnceTimerId);
        return;
    }
    SetTimer(hwnd(), OnceTimerId, UINT(std::max(delayMs, 0)), nullptr);
}

LRESULT ApplicationWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Top-level and never destroyed while the program runs, this window hears the shell's
    // broadcast after the taskbar has been recreated.
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        onTaskbarCreated_();
        return 0;
    }
    // After every top-level window has agreed to end the session, a refusal elsewhere or the
    // user's cancel brings WM_ENDSESSION with FALSE: the session goes on.
    if (message == WM_ENDSESSION && !wParam) {
        onShutdownCancelled_();
        return 0;
    }
    // The session ends: the program is ended when this returns, so the exit sequence runs now.
    if (message == WM_ENDSESSION) {
        onSessionEnding_();
        return 0;
    }
    // A window docked into another process's window can vanish without any message (Wine): the
    // watch looks for that on a timer.
    if (message == WM_TIMER && wParam == OnceTimerId) {
        KillTimer(hwnd(), OnceTimerId);
        if (auto due = std::exchange(onDue_, nullptr))
            due();
        return 0;
    }
    if ((message == WM_TIMER && wParam == WatchTimerId) || message == WatchNow) {
        onWatch_();
        return 0;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

Win32Toolkit::Win32Toolkit(const std::wstring& title)
    : app_(title, relay(onTaskbarCreated), relay(onShutdownCancelled), relay(onSessionEnding), relay(onWatch)),
      underWine_(runningUnderWine()),
      childDockForced_(GetEnvironmentVariableW(L"VEXTRAL_TEST_CHILD_DOCK", nullptr, 0) > 0) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

std::unique_ptr<ui::Form> Win32Toolkit::createForm(const ui::FormSpec& params) {
    return std::make_unique<Win32Form>(*this, params);
}

WindowId Win32Toolkit::applicationWindow() const { return reinterpret_cast<WindowId>(app_.hwnd()); }

void Win32Toolkit::markApplicationToolWindow() {
    LONG_PTR style = GetWindowLongPtrW(app_.hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(app_.hwnd(), GWL_EXSTYLE, style | WS_EX_TOOLWINDOW);
}

void Win32Toolkit::runOnceAfter(int delayMs, std::function<void()> onDue) {
    app_.runOnceAfter(delayMs, onDue ? [this, onDue] { dispatch(onDue); } : std::function<void()>());
}

void Win32Toolkit::dispatch(const std::function<void()>& handler) { ui::guarded(*this, handler); }

std::function<void()> Win32Toolkit::relay(std::function<void()>& handler) {
    return [this, &handler] {
        if (handler)
            dispatch(handler);
    };
}

// Only paint messages and messages sent by other threads are handled, so no click or key can
// start another handler meanwhile. The program's own windows repaint at the first pass; the
// other applications repaint in their own time, which the wait leaves them.
void Win32Toolkit::letUncoveredWindowsRepaint() {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
            DispatchMessageW(&msg);
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= RepaintWaitMs)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, RepaintWaitMs - elapsed, QS_PAINT | QS_SENDMESSAGE);
    }
}

std::unique_ptr<ui::BusyScope> Win32Toolkit::beginBusy() { return std::make_unique<Win32BusyScope>(); }

bool Win32Toolkit::pumpUntil(const std::function<bool()>& done) {
    MSG msg;
    while (!done()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(int(msg.wParam)); // let the outer loop end too
            return false;
        }
        if (got == -1)
            return false;
        HWND top = GetAncestor(msg.hwnd, GA_ROOT);
        if (top && IsDialogMessageW(top, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Win32Toolkit::run(ui::Form& mainForm) {
    static_cast<Win32Form&>(mainForm).makeMain();
    mainForm.show();
    // Until the main window's own close posts WM_QUIT: a main window that another program's
    // end took away is made again by the program, and the loop goes on.
    pumpUntil([] { return false; });
}

ModalScope::ModalScope(HWND except) {
    struct Collect {
        ModalScope* self;
        HWND except;
    } collect{this, except};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* c = reinterpret_cast<Collect*>(p);
            if (w != c->except && IsWindowEnabled(w) && c->self->count_ < 64) {
                EnableWindow(w, FALSE);
                c->self->disabled_[c->self->count_++] = w;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collect));
}

ModalScope::~ModalScope() {
    for (int i = 0; i < count_; ++i)
        if (IsWindow(disabled_[i]))
            EnableWindow(disabled_[i], TRUE);
}

} // namespace vx::win32
