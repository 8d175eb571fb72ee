#include "platform/win32/ui/Win32DriveComboBox.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include <commctrl.h>

namespace vx::win32 {

namespace {
constexpr int DroppedListHeight = 160;
constexpr int EdgeHeight = 6; // the field's frame and padding around one item
} // namespace

Win32DriveComboBox::Win32DriveComboBox(Win32Form& form, const ui::DriveComboBoxSpec& params)
    : id_(params.id), flat_(params.flat), dropDownOnTyping_(params.dropDownOnTyping), background_(colourRef(params.background)),
      selection_(params.entries, params.workingDrive) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    // The window's height includes the dropped list; the closed field's comes from the item height.
    hwnd_ = CreateWindowExW(0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                            r.left, r.top, width, height + form.dpi().px(DroppedListHeight), form.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)), GetModuleHandleW(nullptr),
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, WPARAM(-1), height - form.dpi().px(EdgeHeight));
    for (const auto& entry : selection_.entries())
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    showSelection();

    const COLORREF text = colourRef(params.font.colour);
    form.setChildColours(hwnd_, text, background_);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(hwnd_, &info) && info.hwndList)
        form.setChildColours(info.hwndList, text, background_);

    SetWindowSubclass(hwnd_, &Win32DriveComboBox::subclass, 1, reinterpret_cast<DWORD_PTR>(this));
    form.onCommand(params.id, [this](WORD code) {
        if (code != CBN_SELCHANGE)
            return;
        int index = int(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        if (selection_.pick(index) && onChange)
            onChange();
    });
}

Win32DriveComboBox::~Win32DriveComboBox() {
    RemoveWindowSubclass(hwnd_, &Win32DriveComboBox::subclass, 1);
    DestroyWindow(hwnd_);
}

void Win32DriveComboBox::showSelection() {
    SendMessageW(hwnd_, CB_SETCURSEL, WPARAM(selection_.selectedIndex()), 0);
}

void Win32DriveComboBox::setDrive(wchar_t letter) {
    const bool due = selection_.setDrive(letter);
    showSelection();
    if (due && onChange)
        onChange();
}

// A flat picker: the sunken edge the combo box paints is covered by a one-pixel line.
void Win32DriveComboBox::paintFlatFrame() {
    WindowDc dc(hwnd_);
    RECT r{};
    GetClientRect(hwnd_, &r);
    HBRUSH line = GetSysColorBrush(COLOR_BTNSHADOW);
    FrameRect(dc.get(), &r, line);
    UniqueBrush fill(CreateSolidBrush(background_));
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    FrameRect(dc.get(), &inner, fill.get());
}

LRESULT CALLBACK Win32DriveComboBox::subclass(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32DriveComboBox*>(data);
    if (message == WM_CHAR && self->dropDownOnTyping_ && !SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) &&
        wParam >= L' ')
        SendMessageW(w, CB_SHOWDROPDOWN, TRUE, 0);
    LRESULT result = DefSubclassProc(w, message, wParam, lParam);
    if (message == WM_PAINT && self->flat_)
        self->paintFlatFrame();
    return result;
}

} // namespace vx::win32
