#include "platform/win32/ui/PicturePreview.h"
#include "platform/win32/Handles.h"
#include <algorithm>

namespace vx::win32 {

namespace {

constexpr int PaneSize = 160; // the preview's square, in pixels
constexpr int Margin = 8;
constexpr int PreviewId = 0x5A01;
constexpr wchar_t ImageProperty[] = L"VxPreviewImage";

// The picture in `path` scaled into a PaneSize square, or nothing when it is not a bitmap.
HBITMAP scaledPicture(const wchar_t* path) {
    UniqueBitmap source(static_cast<HBITMAP>(
        LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!source || !GetObjectW(source.get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return nullptr;
    const double scale = std::min(1.0, std::min(double(PaneSize) / info.bmWidth, double(PaneSize) / info.bmHeight));
    const int w = std::max(1, int(info.bmWidth * scale)), h = std::max(1, int(info.bmHeight * scale));
    WindowDc screen(nullptr);
    UniqueDc from(CreateCompatibleDC(screen.get())), to(CreateCompatibleDC(screen.get()));
    HBITMAP scaled = CreateCompatibleBitmap(screen.get(), w, h);
    SelectObjectScope a(from.get(), source.get());
    SelectObjectScope b(to.get(), scaled);
    SetStretchBltMode(to.get(), HALFTONE);
    StretchBlt(to.get(), 0, 0, w, h, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return scaled;
}

void showPicture(HWND dialog) {
    HWND pane = GetDlgItem(dialog, PreviewId);
    if (!pane)
        return;
    wchar_t path[MAX_PATH * 4] = {};
    HBITMAP picture = nullptr;
    if (SendMessageW(dialog, CDM_GETFILEPATH, MAX_PATH * 4, reinterpret_cast<LPARAM>(path)) > 0)
        picture = scaledPicture(path);
    SendMessageW(pane, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (auto old = static_cast<HBITMAP>(GetPropW(dialog, ImageProperty)))
        DeleteObject(old);
    SetPropW(dialog, ImageProperty, picture);
}

} // namespace

UINT_PTR CALLBACK picturePreviewHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    HWND dialog = GetParent(child);
    switch (message) {
    case WM_INITDIALOG: {
        // Widen the dialog and put the pane into the new room at the right.
        RECT r{};
        GetWindowRect(dialog, &r);
        SetWindowPos(dialog, nullptr, 0, 0, r.right - r.left + PaneSize + 2 * Margin, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        RECT client{};
        GetClientRect(dialog, &client);
        HWND pane = CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", nullptr,
                                    WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE,
                                    client.right - PaneSize - Margin - 4, 2 * Margin + 24, PaneSize + 4, PaneSize + 4,
                                    dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(PreviewId)),
                                    GetModuleHandleW(nullptr), nullptr);
        (void)pane;
        return 0;
    }
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == CDN_SELCHANGE)
            showPicture(dialog);
        return 0;
    case WM_DESTROY:
        if (auto old = static_cast<HBITMAP>(RemovePropW(dialog, ImageProperty)))
            DeleteObject(old);
        return 0;
    default: return 0;
    }
}

} // namespace vx::win32
