#include "platform/win32/ui/Win32ListBox.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include "res/GlyphArt.h"
#include <commctrl.h>

namespace vx::win32 {

Win32ListBox::Win32ListBox(Win32Form& form, const ui::ListBoxSpec& params)
    : form_(form), id_(params.id), handCursor_(params.handCursor) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    DWORD style = WS_CHILD | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (params.visible)
        style |= WS_VISIBLE;
    if (params.flat)
        style |= WS_BORDER;
    hwnd_ = CreateWindowExW(params.flat ? 0 : WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, r.left, r.top, width,
                            height, form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, form.dpi().px(params.itemHeight));
    form.setChildColours(hwnd_, colourRef(params.font.colour), colourRef(params.background));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ListBox::windowProc)));
    form.onCommand(params.id, [this](WORD code) {
        if (code == LBN_SELCHANGE && onClick)
            onClick();
        else if (code == LBN_DBLCLK && onDblClick)
            onDblClick();
    });
}

Win32ListBox::~Win32ListBox() {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK Win32ListBox::windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32ListBox*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    switch (message) {
    case WM_KEYDOWN:
        if (self->onKeyDown) {
            int key = int(wParam);
            self->form_.toolkit().dispatch([&] { self->onKeyDown(key); });
        }
        break;
    case WM_SETCURSOR:
        if (self->handCursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    default: break;
    }
    return CallWindowProcW(self->original_, w, message, wParam, lParam);
}

void Win32ListBox::addItem(const std::wstring& text) {
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32ListBox::addItems(std::vector<std::wstring> texts) {
    std::vector<const wchar_t*> pointers;
    pointers.reserve(texts.size());
    for (const auto& text : texts)
        pointers.push_back(text.c_str());
    addTexts(pointers);
}

void Win32ListBox::addTexts(const std::vector<const wchar_t*>& texts) {
    if (texts.empty())
        return;
    std::size_t chars = 0;
    for (const wchar_t* text : texts)
        chars += wcslen(text) + 1;
    // With redrawing on, every string added repaints and re-ranges the scroll bar: a fill of a
    // hundred thousand entries took minutes. Off, and with the storage reserved, it takes a
    // fraction of a second. The strings go straight to the control's own procedure, past this
    // subclass, which has nothing to do with them. Adding at the end keeps the selection and the
    // scroll position.
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_INITSTORAGE, texts.size(), chars * sizeof(wchar_t));
    for (const wchar_t* text : texts)
        CallWindowProcW(original_, hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListBox::deleteItem(int index) {
    if (index < 0 || index >= count())
        return;
    SendMessageW(hwnd_, LB_DELETESTRING, WPARAM(index), 0);
}

void Win32ListBox::clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

int Win32ListBox::count() const { return int(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::wstring Win32ListBox::item(int index) const {
    const LRESULT length = index < 0 ? LB_ERR : SendMessageW(hwnd_, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd_, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : std::size_t(copied));
    return text;
}

int Win32ListBox::selectedIndex() const {
    LRESULT i = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
    return i == LB_ERR ? -1 : int(i);
}

void Win32ListBox::setSelectedIndex(int index) { SendMessageW(hwnd_, LB_SETCURSEL, WPARAM(index), 0); }

// ---- push button ----

Win32Button::Win32Button(Win32Form& form, const ui::ButtonSpec& params) : id_(params.id) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (params.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    // Escape presses the button whose ID is IDCANCEL; Enter the default button.
    int controlId = params.isCancel ? IDCANCEL : params.id;
    hwnd_ = CreateWindowExW(0, L"BUTTON", params.text.c_str(), style, r.left, r.top, width, height, form.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr),
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    if (params.glyph != ui::Glyph::None) {
        const auto& art = res::glyphArt(params.glyph);
        const int w = form.dpi().px(art.width), h = form.dpi().px(art.height);
        glyph_ = ImageList_Create(w, h, ILC_COLOR32 | ILC_MASK, 1, 0);
        WindowDc screen(nullptr);
        UniqueDc dc(CreateCompatibleDC(screen.get()));
        UniqueBitmap image(CreateCompatibleBitmap(screen.get(), w, h));
        {
            SelectObjectScope select(dc.get(), image.get());
            RECT all{0, 0, w, h};
            HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
            FillRect(dc.get(), &all, key);
            DeleteObject(key);
            paintGlyph(dc.get(), params.glyph, 0, 0, form.dpi());
        }
        ImageList_AddMasked(glyph_, image.get(), RGB(255, 0, 255));
        BUTTON_IMAGELIST list{glyph_, {4, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
        SendMessageW(hwnd_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
    }
    form.onCommand(controlId, [this](WORD code) {
        if (code == BN_CLICKED && onClick)
            onClick();
    });
}

Win32Button::~Win32Button() {
    DestroyWindow(hwnd_);
    if (glyph_)
        ImageList_Destroy(glyph_);
}

void Win32Button::setText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

std::wstring Win32Button::text() const {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd_, buffer, 256);
    return buffer;
}

} // namespace vx::win32
