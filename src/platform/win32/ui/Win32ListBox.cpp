#include "platform/win32/ui/Win32ListBox.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include "res/GlyphArt.h"
#include <algorithm>
#include <commctrl.h>

namespace vx::win32 {

Win32ListBox::Win32ListBox(Win32Form& form, const ui::ListBoxSpec& params)
    : form_(form), textColour_(colourRef(params.font.colour)), background_(colourRef(params.background)),
      font_(form.fontFor(params.font)), id_(params.id), handCursor_(params.handCursor) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    DWORD style = WS_CHILD | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_NODATA |
                  LBS_OWNERDRAWFIXED;
    if (params.visible)
        style |= WS_VISIBLE;
    if (params.flat)
        style |= WS_BORDER;
    hwnd_ = CreateWindowExW(params.flat ? 0 : WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, r.left, r.top, width,
                            height, form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, form.dpi().px(params.itemHeight));
    form.setChildColours(hwnd_, textColour_, background_);
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
    static const UINT listText = RegisterWindowMessageW(ListTextMessageName);
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
    case ReflectedDrawItem: self->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    // The control keeps no texts, so the text queries are answered from the model.
    case LB_GETTEXTLEN: return self->textLength(wParam);
    case LB_GETTEXT: return self->copyText(wParam, reinterpret_cast<wchar_t*>(lParam));
    default:
        if (message == listText)
            return self->sendText(wParam, reinterpret_cast<HWND>(lParam));
        break;
    }
    return CallWindowProcW(self->original_, w, message, wParam, lParam);
}

void Win32ListBox::drawItem(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : background_;
    SetBkColor(dc, back);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour_);
    // ETO_OPAQUE fills the row with the background colour as it draws the text.
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
    if (item.itemID < items_.size()) {
        const auto& text = items_[item.itemID];
        SelectObjectScope font(dc, font_);
        RECT inset = row;
        inset.left += 2;
        DrawTextW(dc, text.c_str(), int(text.size()), &inset,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &row);
}

LRESULT Win32ListBox::textLength(WPARAM index) const {
    return index < items_.size() ? LRESULT(items_[index].size()) : LB_ERR;
}

LRESULT Win32ListBox::copyText(WPARAM index, wchar_t* buffer) const {
    if (index >= items_.size() || !buffer)
        return LB_ERR;
    const auto& text = items_[index];
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
    return LRESULT(text.size());
}

bool Win32ListBox::sendText(WPARAM index, HWND receiver) const {
    if (index >= items_.size() || !IsWindow(receiver))
        return false;
    const auto& text = items_[index];
    COPYDATASTRUCT data{ULONG_PTR(index), DWORD(text.size() * sizeof(wchar_t)), const_cast<wchar_t*>(text.data())};
    SendMessageW(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_), reinterpret_cast<LPARAM>(&data));
    return true;
}

void Win32ListBox::addItem(const std::wstring& text) {
    items_.push_back(text);
    SendMessageW(hwnd_, LB_ADDSTRING, 0, 0);
}

void Win32ListBox::addItems(std::vector<std::wstring> texts) {
    if (texts.empty())
        return;
    if (items_.empty())
        items_ = std::move(texts);
    else
        items_.insert(items_.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
    // Growing the count keeps the selection and the scroll position.
    SendMessageW(hwnd_, LB_SETCOUNT, items_.size(), 0);
}

void Win32ListBox::deleteItem(int index) {
    if (index < 0 || std::size_t(index) >= items_.size())
        return;
    items_.erase(items_.begin() + index);
    SendMessageW(hwnd_, LB_DELETESTRING, WPARAM(index), 0);
}

void Win32ListBox::clear() {
    items_.clear();
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

int Win32ListBox::count() const { return int(items_.size()); }

std::wstring Win32ListBox::item(int index) const {
    return index >= 0 && std::size_t(index) < items_.size() ? items_[index] : std::wstring();
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
