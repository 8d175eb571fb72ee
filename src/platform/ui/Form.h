#pragma once
#include "platform/Types.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Style.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/DriveComboBox.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/Image.h"
#include "platform/ui/ShellFolderTree.h"
#include <functional>
#include <string>

namespace vx::ui {

enum class Frame {
    None,     // no border, no caption
    Dialog,   // fixed dialog frame with only the close box
    Sizeable, // ordinary resizable frame
};

struct FormSpec {
    std::wstring windowClass; // the window class name, "TForm1" ... "TForm9"
    std::wstring caption;
    Frame frame = Frame::Dialog;
    int clientWidth = 0;
    int clientHeight = 0;
    int left = 0;
    int top = 0;
    bool topmost = false;
    // The program's main window: its close ends the message loop. Destroyed by anybody else
    // (a parent window of another program that went away) it ends nothing.
    bool main = false;
    Colour background = Colour::system(syscolour::ButtonFace);
    // Where the window is docked, its face (and its controls' faces) take the colour of the
    // window it is docked into, followed while it runs: only the controls' pictures stand out,
    // and the window still takes every press.
    bool transparentBackground = false;
    int borderWidth = 0; // an inner border in the background colour around the client area
    Font font;
};

// One top-level window of the program. It is created hidden and never destroyed while the
// program runs: closing it runs onClose and hides it (the main window's close ends the program).
class Form {
  public:
    virtual ~Form() = default;
    virtual WindowId handle() const = 0;

    // Makes the window visible and brings it to the front; onShow runs when it was hidden.
    virtual void show() = 0;
    // Hides the window without running onClose.
    virtual void hide() = 0;
    // Runs onClose; if that raises, the window stays as it is and the error goes to the caller.
    // The main window's close then ends the message loop, also when the window has gone
    // meanwhile (docked into a taskbar that went).
    virtual void close() = 0;
    // Shows the window modally and returns when it is closed.
    virtual void showModal() = 0;
    virtual bool visible() const = 0;
    // False once the window is gone without the program's own doing: a window docked into
    // another program's window goes when that window does.
    virtual bool exists() const = 0;

    // Outer bounds in screen coordinates (or the parent's client coordinates when docked).
    virtual Rect bounds() const = 0;
    virtual void setBounds(const Rect& r) = 0;

    // Makes the window a child of `parent` at `where` in the parent's client coordinates; with
    // parent 0 the window stays top-level and stay-on-top at `where` on the screen.
    virtual void dock(WindowId parent, const Rect& where) = 0;

    virtual SpeedButton& addSpeedButton(const ControlSpec& params) = 0;
    virtual Label& addLabel(const ControlSpec& params, const std::wstring& text) = 0;
    virtual ListBox& addListBox(const ListBoxSpec& params) = 0;
    virtual Button& addButton(const ButtonSpec& params) = 0;
    virtual PopupMenu& addPopupMenu() = 0;
    virtual Timer& addTimer(int intervalMs, std::function<void()> onTick) = 0;
    virtual ToolBar& addToolBar(const ToolBarSpec& params) = 0;
    virtual ProgressBar& addProgressBar(const ProgressBarSpec& params) = 0;
    virtual CheckBox& addCheckBox(const CheckBoxSpec& params) = 0;
    virtual DriveComboBox& addDriveComboBox(const DriveComboBoxSpec& params) = 0;
    virtual DirectoryListBox& addDirectoryListBox(const DirectoryListBoxSpec& params) = 0;
    virtual Image& addImage(const ImageSpec& params) = 0;
    virtual ShellFolderTree& addShellFolderTree(const ShellFolderTreeSpec& params) = 0;

    std::function<void()> onBeforeShow; // runs before a hidden window is shown (to place it)
    std::function<void()> onShow;
    std::function<void()> onClose;
    std::function<void()> onDblClick; // a left double-click on the window's own background
};

} // namespace vx::ui
