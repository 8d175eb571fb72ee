#include "platform/win32/ui/Win32DirectoryListBox.h"
#include "platform/win32/PathNames.h"
#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <algorithm>
#include <commctrl.h>

namespace vx::win32 {

namespace {

constexpr int IndentPerLevel = 6;
constexpr int IconSize = 16;

// "C:\Data\" and "C:\Data" name the same folder; a root keeps its backslash.
std::wstring withoutTrailingSlash(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

std::vector<std::wstring> subfoldersOf(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::wstring pattern = folder;
    if (pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileW(pattern.c_str(), &data));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return names;
    }
    do {
        std::wstring name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find.get(), &data));
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    return names;
}

} // namespace

Win32DirectoryListBox::Win32DirectoryListBox(Win32Form& form, const ui::DirectoryListBoxSpec& params)
    : form_(form), id_(params.id) {
    const RECT r = form.place(params.rect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                  LBS_OWNERDRAWFIXED;
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, r.left, r.top, width, height,
                            form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, form.dpi().px(params.itemHeight));
    SetWindowSubclass(hwnd_, &Win32DirectoryListBox::subclass, 1, reinterpret_cast<DWORD_PTR>(this));
    form.onCommand(params.id, [this](WORD code) {
        if (code == LBN_DBLCLK)
            openSelected();
    });
    // The browser starts on the working folder, which is already current: only list it.
    folder_ = withoutTrailingSlash(fullPathName(params.folder.empty() ? L"." : params.folder));
    fill();
}

Win32DirectoryListBox::~Win32DirectoryListBox() {
    RemoveWindowSubclass(hwnd_, &Win32DirectoryListBox::subclass, 1);
    DestroyWindow(hwnd_);
}

void Win32DirectoryListBox::setDirectory(const std::wstring& folder) {
    const std::wstring path = withoutTrailingSlash(fullPathName(folder));
    if (!SetCurrentDirectoryW(path.c_str()))
        throw IoError(int(GetLastError()));
    // The per-drive current folder, which "X:" resolves to, lives in the "=X:" variable.
    if (path.size() >= 2 && path[1] == L':') {
        const wchar_t letter = path[0] >= L'a' && path[0] <= L'z' ? wchar_t(path[0] - L'a' + L'A') : path[0];
        const wchar_t variable[] = {L'=', letter, L':', 0};
        SetEnvironmentVariableW(variable, path.c_str());
    }
    folder_ = path;
    fill();
    if (onChange)
        onChange();
}

void Win32DirectoryListBox::openDrive(wchar_t letter) {
    const wchar_t drive[] = {letter, L':', 0};
    setDirectory(fullPathName(drive));
}

void Win32DirectoryListBox::fill() {
    entries_.clear();
    // The chain from the root down: "C:\", then each folder of the path.
    std::size_t start = folder_.find(L'\\');
    const std::wstring root = start == std::wstring::npos ? folder_ + L"\\" : folder_.substr(0, start + 1);
    entries_.push_back({root, root, 0});
    int depth = 0;
    if (start != std::wstring::npos) {
        std::size_t from = start + 1;
        while (from < folder_.size()) {
            std::size_t end = folder_.find(L'\\', from);
            if (end == std::wstring::npos)
                end = folder_.size();
            entries_.push_back({folder_.substr(0, end), folder_.substr(from, end - from), ++depth});
            from = end + 1;
        }
    }
    openIndex_ = int(entries_.size()) - 1;
    const std::wstring base = folder_.back() == L'\\' ? folder_ : folder_ + L"\\";
    for (const auto& name : subfoldersOf(folder_))
        entries_.push_back({base + name, name, depth + 1});

    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        SendMessageW(hwnd_, LB_ADDSTRING, 0, LPARAM(i));
    SendMessageW(hwnd_, LB_SETCURSEL, WPARAM(openIndex_), 0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32DirectoryListBox::openSelected() {
    LRESULT i = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
    if (i == LB_ERR || std::size_t(i) >= entries_.size())
        return;
    setDirectory(entries_[std::size_t(i)].path);
}

void Win32DirectoryListBox::draw(const DRAWITEMSTRUCT& item) {
    if (item.itemID == UINT(-1) || item.itemID >= entries_.size())
        return;
    const Entry& entry = entries_[item.itemID];
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const DpiScale& dpi = form_.dpi();
    const int x = item.rcItem.left + dpi.px(2 + entry.depth * IndentPerLevel);
    const int height = item.rcItem.bottom - item.rcItem.top;
    const int icon = dpi.px(IconSize);
    paintGlyph(dc, ui::Glyph::Folder, x, item.rcItem.top + (height - icon) / 2, dpi);
    RECT text = item.rcItem;
    text.left = x + icon + dpi.px(3);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, entry.name.c_str(), int(entry.name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}

LRESULT CALLBACK Win32DirectoryListBox::subclass(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32DirectoryListBox*>(data);
    switch (message) {
    case ReflectedDrawItem:
        self->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_GETDLGCODE: {
        // Enter opens the highlighted folder instead of going to the window's default button.
        LRESULT code = DefSubclassProc(w, message, wParam, lParam);
        auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            self->form_.toolkit().dispatch([self] { self->openSelected(); });
            return 0;
        }
        break;
    default: break;
    }
    return DefSubclassProc(w, message, wParam, lParam);
}

} // namespace vx::win32
