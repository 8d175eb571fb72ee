#pragma once
#include "platform/ui/Form.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/Dpi.h"
#include "platform/win32/ui/WindowBase.h"
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace vx::win32 {

class Win32Toolkit;

// WM_DRAWITEM of an owner-drawn control, sent on to the control itself (same parameters); a
// control that draws itself answers TRUE.
constexpr UINT ReflectedDrawItem = WM_APP + 0x201;

class Win32Form : public WindowBase, public ui::Form {
  public:
    Win32Form(Win32Toolkit& toolkit, const ui::FormSpec& params);
    ~Win32Form() override;

    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd()); }
    void show() override;
    void hide() override;
    void close() override;
    void showModal() override;
    bool visible() const override;
    bool exists() const override;
    Rect bounds() const override;
    void setBounds(const Rect& r) override;
    void dock(WindowId parent, const Rect& where) override;

    ui::SpeedButton& addSpeedButton(const ui::ControlSpec& params) override;
    ui::Label& addLabel(const ui::ControlSpec& params, const std::wstring& text) override;
    ui::ListBox& addListBox(const ui::ListBoxSpec& params) override;
    ui::Button& addButton(const ui::ButtonSpec& params) override;
    ui::PopupMenu& addPopupMenu() override;
    ui::Timer& addTimer(int intervalMs, std::function<void()> onTick) override;
    ui::ToolBar& addToolBar(const ui::ToolBarSpec& params) override;
    ui::ProgressBar& addProgressBar(const ui::ProgressBarSpec& params) override;
    ui::CheckBox& addCheckBox(const ui::CheckBoxSpec& params) override;
    ui::DriveComboBox& addDriveComboBox(const ui::DriveComboBoxSpec& params) override;
    ui::DirectoryListBox& addDirectoryListBox(const ui::DirectoryListBoxSpec& params) override;
    ui::Image& addImage(const ui::ImageSpec& params) override;
    ui::ShellFolderTree& addShellFolderTree(const ui::ShellFolderTreeSpec& params) override;

    // The main window: closing it destroys it and ends the message loop, once.
    void makeMain() { isMain_ = true; }
    bool isMain() const { return isMain_; }
    Win32Toolkit& toolkit() { return toolkit_; }
    HFONT fontFor(const ui::Font& font);
    // The toolkit's scale from the program's 96-dpi units to this screen's pixels.
    const DpiScale& dpi() const;
    // A control's rectangle in the form's client pixels.
    RECT place(const Rect& r) const { return dpi().px(r); }
    HWND tooltip();
    // The brush of the form's face: its background, or the taskbar's colour where it is docked
    // with a see-through background. Controls without a face of their own paint with it.
    HBRUSH faceBrush() const { return background_.get(); }
    // The control-colour answer for a child that asked with WM_CTLCOLOR*; without a background
    // of its own the child shows the form's background.
    void setChildColours(HWND child, COLORREF text, std::optional<COLORREF> background = std::nullopt);
    // Runs `handler` with the notification code of each WM_COMMAND from control `id`.
    void onCommand(int id, std::function<void(WORD)> handler) { commands_[id] = std::move(handler); }
    // Answers each WM_NOTIFY from control `id` with `handler`'s result; a null handler stops that.
    void onNotify(int id, std::function<LRESULT(NMHDR&)> handler);

    // Docked: stands over the taskbar where it has moved to (under Wine, where the form is a
    // window of its own over the taskbar, not its child).
    void followDock();
    // The face takes the taskbar's colour as it is now.
    void followTaskbarColour();

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void placeOverlay();
    void setFace(COLORREF colour);
    void paintBorder();

    Win32Toolkit& toolkit_;
    ui::FormSpec params_;
    bool isMain_ = false;
    bool closing_ = false;    // the main window's close runs or has run
    bool destroying_ = false; // the program itself destroys the window
    bool modal_ = false;
    COLORREF face_ = 0;
    UniqueBrush background_; // of face_
    std::vector<std::pair<ui::Font, UniqueFont>> fonts_;
    struct ChildColours {
        COLORREF text;
        UniqueBrush background; // none: the form's background
    };
    std::map<HWND, ChildColours> childColours_;
    std::map<int, std::function<void(WORD)>> commands_;
    std::map<int, std::function<LRESULT(NMHDR&)>> notifies_;
    int defaultButtonId_ = 0; // the button Enter presses, told to IsDialogMessage by DM_GETDEFID
    HWND tooltip_ = nullptr;
    HWND dockedTo_ = nullptr;
    RECT dockOffset_{};    // in the taskbar's client pixels
    bool overlay_ = false; // standing over the taskbar instead of inside it
    int overlayClip_ = -1;  // the height left by the taskbar's bottom edge; -1: not cut
    int border_ = 0;        // the inner border, in pixels
    std::vector<std::unique_ptr<ui::Control>> controls_;
    std::vector<std::unique_ptr<ui::PopupMenu>> menus_;
    std::vector<std::unique_ptr<ui::Timer>> timers_;
};

} // namespace vx::win32
