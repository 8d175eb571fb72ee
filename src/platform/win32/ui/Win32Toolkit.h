#pragma once
#include "platform/ui/Toolkit.h"
#include "platform/win32/ui/Dpi.h"
#include "platform/win32/ui/TaskbarMark.h"
#include "platform/win32/ui/Win32DropTarget.h"
#include "platform/win32/ui/Win32MediaKeys.h"
#include "platform/win32/ui/WinEventHook.h"
#include "platform/win32/ui/WindowBase.h"
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vx::win32 {

class Win32Form;
class Win32Toolkit;

// The hidden application window: top-level, owner of every other window of the program. Being
// top-level, it hears the system's broadcasts: the shell's new taskbar, the end of the session,
// and the changes of the screen and its colours.
class ApplicationWindow : public WindowBase {
  public:
    ApplicationWindow(Win32Toolkit& toolkit, const std::wstring& title);
    // Runs the watch soon, from the message loop; requests that come before it runs are one.
    void watchSoon();
    // Runs the check once a second, with leeway for the system to group the wake-up
    // with others, while `on`; else only on events.
    void checkOften(bool on);
    // Runs the check once, half a second from now, unless such a run is already waiting;
    // `again` moves a waiting run to half a second from now.
    void checkSoon(bool again = false);
    // One run of onDue, delayMs from now; a later call replaces it, an empty onDue cancels it.
    void runOnceAfter(int delayMs, std::function<void()> onDue);

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void watch();

    Win32Toolkit& toolkit_;
    UINT taskbarCreated_;
    bool watchPosted_ = false;
    bool checking_ = false;
    bool checkDue_ = false;
    std::function<void()> onDue_;
};

class Win32Toolkit : public ui::Toolkit {
  public:
    explicit Win32Toolkit(const std::wstring& title);
    ~Win32Toolkit() override;

    std::unique_ptr<ui::Form> createForm(const ui::FormSpec& params) override;
    bool ask(ui::QuestionKind kind, const std::wstring& text) override;
    void notify(const std::wstring& text) override;
    void showError(const std::wstring& text) override;
    WindowId applicationWindow() const override;
    void markApplicationToolWindow() override;
    std::optional<std::wstring> runFileDialog(ui::FileDialogKind kind, const ui::FileDialogSpec& params) override;
    void run(ui::Form& mainForm) override;
    ui::MediaKeys& mediaKeys() override;
    void acceptDrops(ui::Control& target, ui::DropHandler onDrop) override;
    void letUncoveredWindowsRepaint() override;
    std::unique_ptr<ui::BusyScope> beginBusy() override;
    void runOnceAfter(int delayMs, std::function<void()> onDue) override;
    void watchTaskbar(WindowId taskbar, WindowId start) override;
    // How long other applications are given to repaint what a closed dialog uncovered.
    static constexpr DWORD RepaintWaitMs = 250;
    // A WM_APPCOMMAND that reached one of the program's windows: true when the program acted.
    bool appCommand(LPARAM lParam);

    HWND appWindow() const { return app_.hwnd(); }
    bool underWine() const { return underWine_; }
    // Tests set VEXTRAL_TEST_CHILD_DOCK=1 to dock the bar as the taskbar's child under Wine
    // too, as on Windows, where the bar goes when the taskbar does.
    bool childDockForced() const { return childDockForced_; }
    // The main window was destroyed by someone else: the watch runs at once.
    void mainWindowLost() { app_.watchSoon(); }
    // Runs when the screen's size, work area or dots per inch may have changed, before the
    // watch: whatever keeps the screen's measures reads them again.
    std::function<void()> onScreenChanged;
    // The forms docked into the taskbar, which follow it and its colour.
    void addDocked(Win32Form& form);
    void removeDocked(Win32Form& form);
    // The taskbar may have moved or changed: the docked forms take their places again, then
    // the program's watch runs.
    void followTaskbar();
    // The fallback check where no events come: follows the taskbar only when it changed.
    void checkTaskbar();
    // A message box of the program has closed: under Wine the shell lays out its taskbar once
    // more, and nothing tells of it.
    void boxClosed();
    // The colours of the system or the taskbar may have changed.
    void followColours();
    void screenChanged();
    const DpiScale& dpi() const { return dpi_; }
    // Runs an event handler inside the error guard.
    void dispatch(const std::function<void()>& handler);
    // Pumps messages until `done` says stop (for modal windows); false when WM_QUIT arrived.
    bool pumpUntil(const std::function<bool()>& done);

  private:
    bool underWine_;
    bool childDockForced_;
    ApplicationWindow app_;
    std::unique_ptr<WinEventHook> taskbarHook_;
    std::unique_ptr<WinEventHook> creationHook_; // under Wine
    HWND watchedBar_ = nullptr;
    HWND watchedStart_ = nullptr;
    std::optional<TaskbarMark> mark_; // as read after the last watch
    std::vector<Win32Form*> docked_;
    DpiScale dpi_ = DpiScale::ofScreen();
    std::unique_ptr<Win32MediaKeys> mediaKeys_;
    std::vector<std::unique_ptr<Win32DropTarget>> dropTargets_;
};

// Disables the thread's other top-level windows while a modal window or box is up.
class ModalScope {
  public:
    explicit ModalScope(HWND except);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    HWND disabled_[64] = {};
    int count_ = 0;
};

// The message box with the program's own captions and buttons, centred on the screen.
int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

} // namespace vx::win32
