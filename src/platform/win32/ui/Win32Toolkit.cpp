#include "platform/win32/ui/Win32Toolkit.h"
#include "platform/ui/Guard.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/ui/Win32BusyScope.h"
#include "platform/win32/ui/Win32Form.h"
#include <algorithm>
#include <commctrl.h>
#include <utility>

namespace vx::win32 {

namespace {
constexpr UINT_PTR CheckTimerId = 1;
constexpr UINT_PTR OnceTimerId = 2;
constexpr UINT_PTR CheckSoonTimerId = 3;
constexpr UINT CheckSoonMs = 500;
constexpr UINT CheckIntervalMs = 1000;
constexpr ULONG CheckToleranceMs = 500;
constexpr UINT WatchNow = WM_APP + 0x301;

// A timer that the system may fire up to `tolerance` late, to wake the processor together with
// other timers; a plain timer on systems before Windows 8.
void setCoalescableTimer(HWND window, UINT_PTR id, UINT intervalMs, ULONG tolerance) {
    using SetCoalescable = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);
    static const auto set = reinterpret_cast<SetCoalescable>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetCoalescableTimer")));
    if (!set || !set(window, id, intervalMs, nullptr, tolerance))
        SetTimer(window, id, intervalMs, nullptr);
}

bool isSetting(LPARAM lParam, const wchar_t* name) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    return text && lstrcmpiW(text, name) == 0;
}

} // namespace

ApplicationWindow::ApplicationWindow(Win32Toolkit& toolkit, const std::wstring& title)
    : toolkit_(toolkit), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    registerClass(L"TApplication");
    createWindow(L"TApplication", 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                 0, nullptr, nullptr, title.c_str());
}

void ApplicationWindow::watchSoon() {
    if (!watchPosted_ && PostMessageW(hwnd(), WatchNow, 0, 0))
        watchPosted_ = true;
}

void ApplicationWindow::checkOften(bool on) {
    if (on == checking_)
        return;
    checking_ = on;
    if (on)
        setCoalescableTimer(hwnd(), CheckTimerId, CheckIntervalMs, CheckToleranceMs);
    else
        KillTimer(hwnd(), CheckTimerId);
}

void ApplicationWindow::checkSoon(bool again) {
    if ((!checkDue_ || again) && SetTimer(hwnd(), CheckSoonTimerId, CheckSoonMs, nullptr))
        checkDue_ = true;
}

void ApplicationWindow::watch() {
    watchPosted_ = false;
    toolkit_.followTaskbar();
}

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
        toolkit_.dispatch([this] {
            if (toolkit_.onTaskbarCreated)
                toolkit_.onTaskbarCreated();
        });
        return 0;
    }
    switch (message) {
    case WM_ENDSESSION:
        // After every top-level window has agreed to end the session, a refusal elsewhere or
        // the user's cancel brings WM_ENDSESSION with FALSE: the session goes on. Otherwise the
        // session ends, and the program is ended when this returns: the exit sequence runs now.
        toolkit_.dispatch([this, ends = wParam != 0] {
            auto& handler = ends ? toolkit_.onSessionEnding : toolkit_.onShutdownCancelled;
            if (handler)
                handler();
        });
        return 0;
    case WM_TIMER:
        if (wParam == OnceTimerId) {
            KillTimer(hwnd(), OnceTimerId);
            if (auto due = std::exchange(onDue_, nullptr))
                due();
            return 0;
        }
        if (wParam == CheckSoonTimerId) {
            KillTimer(hwnd(), CheckSoonTimerId);
            checkDue_ = false;
        } else if (wParam != CheckTimerId) {
            break;
        }
        toolkit_.checkTaskbar();
        return 0;
    case WatchNow:
        watch();
        return 0;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
        toolkit_.screenChanged();
        watchSoon();
        break;
    case WM_SETTINGCHANGE:
        // The work area ("TraySettings" or SPI_SETWORKAREA) follows the taskbar; the light or
        // dark colours ("ImmersiveColorSet") change the taskbar's face.
        if (isSetting(lParam, L"ImmersiveColorSet"))
            toolkit_.followColours();
        toolkit_.screenChanged();
        watchSoon();
        break;
    case WM_DWMCOLORIZATIONCOLORCHANGED:
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        toolkit_.followColours();
        break;
    default:
        break;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

Win32Toolkit::Win32Toolkit(const std::wstring& title)
    : underWine_(runningUnderWine()),
      childDockForced_(GetEnvironmentVariableW(L"VEXTRAL_TEST_CHILD_DOCK", nullptr, 0) > 0),
      app_(*this, title) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

void Win32Toolkit::watchTaskbar(WindowId taskbar, WindowId start) {
    HWND bar = reinterpret_cast<HWND>(taskbar);
    HWND button = reinterpret_cast<HWND>(start);
    watchedBar_ = bar;
    watchedStart_ = button;
    mark_.reset(); // the first check follows whatever it reads, even a taskbar already gone
    // Wine 8 tells nothing of a window moving, showing, hiding or going (it sends only the
    // creation of windows, of every process alike), and a window docked into another
    // process's window vanishes there without a message: the check stands in for the hook.
    if (underWine_) {
        app_.checkOften(bar != nullptr);
        // A new window, of any program, makes the shell lay out its taskbar, which shows its
        // Start button again: checked soon after, not at the next tick. The hook costs nothing
        // while no window is made.
        if (bar && !creationHook_)
            creationHook_ = WinEventHook::windowsCreated([this] { app_.checkSoon(); });
        return;
    }
    if (!taskbarHook_ || !taskbarHook_->watches(bar, button)) {
        taskbarHook_.reset(); // one hook at a time
        if (bar)
            taskbarHook_ =
                std::make_unique<WinEventHook>(bar, button, [this] { app_.watchSoon(); });
    }
    app_.checkOften(bar && !taskbarHook_->active());
}

void Win32Toolkit::addDocked(Win32Form& form) {
    if (std::find(docked_.begin(), docked_.end(), &form) == docked_.end())
        docked_.push_back(&form);
}

void Win32Toolkit::removeDocked(Win32Form& form) {
    std::erase(docked_, &form);
}

void Win32Toolkit::followTaskbar() {
    for (Win32Form* form : docked_)
        form->followDock();
    if (onWatch)
        dispatch(onWatch);
}

void Win32Toolkit::checkTaskbar() {
    // Only what the reads show changed is followed: the reads cost two calls a second, the whole
    // layout and the raise many more.
    if (mark_ && TaskbarMark::read(watchedBar_, watchedStart_) == *mark_)
        return;
    followTaskbar();
    // Read again after the watch, which may itself have hidden the Start button: the shell
    // showing it again afterwards is then a change.
    mark_ = TaskbarMark::read(watchedBar_, watchedStart_);
}

void Win32Toolkit::boxClosed() {
    if (underWine_ && watchedBar_)
        app_.checkSoon(true);
}

void Win32Toolkit::followColours() {
    for (Win32Form* form : docked_)
        form->followTaskbarColour();
}

void Win32Toolkit::screenChanged() {
    if (onScreenChanged)
        onScreenChanged();
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

void Win32Toolkit::dispatch(const std::function<void()>& handler) {
    ui::guarded(*this, handler);
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
