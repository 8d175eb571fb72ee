#include "platform/win32/ui/Win32CheckBox.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"

namespace vx::win32 {

Win32CheckBox::Win32CheckBox(Win32Form& form, const ui::CheckBoxSpec& params) : id_(params.id) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    hwnd_ = CreateWindowExW(0, L"BUTTON", params.text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                            r.left, r.top, width, height, form.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)), GetModuleHandleW(nullptr),
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    form.setChildColours(hwnd_, colourRef(params.font.colour));
}

Win32CheckBox::~Win32CheckBox() { DestroyWindow(hwnd_); }

void Win32CheckBox::setChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

} // namespace vx::win32
