#pragma once
#include "platform/ui/Toolkit.h"
#include "platform/win32/ui/Dpi.h"
#include "platform/win32/ui/WindowBase.h"
#include "platform/win32/ui/Win32DropTarget.h"
#include "platform/win32/ui/Win32MediaKeys.h"
#include <functional>
#include <memory>
#include <vector>

namespace vx::win32 {

// The hidden application window: top-level, owner of every other window of the program.
class ApplicationWindow : public WindowBase {
  public:
    ApplicationWindow(const std::wstring& title, std::function<void()> onTaskbarCreated,
                      std::function<void()> onShutdownCancelled, std::function<void()> onSessionEnding,
                      std::function<void()> onWatch);
    // Runs the watch soon, from the message loop.
    void watchSoon() const;
    // One run of onDue, delayMs from now; a later call replaces it, an empty onDue cancels it.
    void runOnceAfter(int delayMs, std::function<void()> onDue);

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    UINT taskbarCreated_;
    std::function<void()> onTaskbarCreated_;
    std::function<void()> onShutdownCancelled_;
    std::function<void()> onSessionEnding_;
    std::function<void()> onWatch_;
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
    const DpiScale& dpi() const { return dpi_; }
    // Runs an event handler inside the error guard.
    void dispatch(const std::function<void()>& handler);
    // What the application window runs for one of the toolkit's handlers: the handler as it is
    // set when the message comes, through the error guard, or nothing while it is unset.
    std::function<void()> relay(std::function<void()>& handler);
    // Pumps messages until `done` says stop (for modal windows); false when WM_QUIT arrived.
    bool pumpUntil(const std::function<bool()>& done);

  private:
    ApplicationWindow app_;
    bool underWine_;
    bool childDockForced_;
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
