#pragma once
#include "platform/Types.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/MediaKeys.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vx::ui {

enum class QuestionKind {
    Confirmation, // caption "Confirm", question-mark icon
    Information,  // caption "Information", information icon
};

// Long work on the interface thread: the busy cursor shows while the object lives, and the user
// may ask with Escape to stop the work.
class BusyScope {
  public:
    virtual ~BusyScope() = default;
    // Whether Escape was pressed since the work began; once true, stays true.
    virtual bool cancelRequested() = 0;
};

// The windowing toolkit: creates the forms and shows the program's message boxes.
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    virtual std::unique_ptr<Form> createForm(const FormSpec& params) = 0;

    // Modal question centred on the screen with the buttons "&Yes" (default) and "&No"
    // (Escape); true only for "&Yes".
    virtual bool ask(QuestionKind kind, const std::wstring& text) = 0;
    // Plain notice: titled "Vextral", no icon, one "OK" button.
    virtual void notify(const std::wstring& text) = 0;
    // The application's error box: titled "Vextral", stop icon, "OK".
    virtual void showError(const std::wstring& text) = 0;

    // The hidden application window that owns every other window of the program.
    virtual WindowId applicationWindow() const = 0;
    // Adds WS_EX_TOOLWINDOW (0x80) to the application window's extended style.
    virtual void markApplicationToolWindow() = 0;

    // Runs a common open or save dialog modally; the chosen full path, or nothing when cancelled.
    virtual std::optional<std::wstring> runFileDialog(FileDialogKind kind, const FileDialogSpec& params) = 0;

    // The keyboard's media keys, one object for the whole run.
    virtual MediaKeys& mediaKeys() = 0;
    // Lets the user drop files and folders from the shell on a control; each drop runs onDrop.
    virtual void acceptDrops(Control& target, DropHandler onDrop) = 0;
    // Lets the windows that a dialog uncovered as it closed repaint: this program's own at once,
    // other applications' within a short moment. Input waits meanwhile.
    virtual void letUncoveredWindowsRepaint() = 0;
    // Shows the busy cursor until the returned scope ends.
    virtual std::unique_ptr<BusyScope> beginBusy() = 0;

    // Runs when the shell has (re)created its taskbar ("TaskbarCreated"), after a restart of the
    // shell.
    std::function<void()> onTaskbarCreated;
    // Runs when Windows calls off a shutdown it had begun, after this program had agreed to end.
    std::function<void()> onShutdownCancelled;
    // Runs when Windows ends the session: the program is ended when this returns.
    std::function<void()> onSessionEnding;
    // Runs when the taskbar or the screen may have changed: the watched taskbar or its Start
    // window moved, changed size, showed, hid or went; the screen's size, work area, settings
    // or dots per inch changed; or the main window was destroyed by someone else. A burst of
    // such events runs it once. Nothing runs it while nothing changes.
    std::function<void()> onWatch;
    // Watches the taskbar and its Start window (either may be 0) from now on, instead of the
    // windows watched before. Where the system tells nothing of another program's windows, a
    // check at most once a second stands in for those events.
    virtual void watchTaskbar(WindowId taskbar, WindowId start) = 0;
    // Runs onDue once, delayMs from now, on the window that no other program can take away. A
    // later call replaces the one waiting; an empty onDue cancels it.
    virtual void runOnceAfter(int delayMs, std::function<void()> onDue) = 0;

    // Shows the main form and runs the message loop until it is closed.
    virtual void run(Form& mainForm) = 0;
};

} // namespace vx::ui
