#include "platform/win32/ui/Win32DropTarget.h"
#include "platform/win32/ui/Win32Toolkit.h"

namespace vx::win32 {

namespace {
constexpr const wchar_t* Property = L"VextralDropTarget";
}

Win32DropTarget::Win32DropTarget(Win32Toolkit& toolkit, HWND target, ui::DropHandler onDrop)
    : toolkit_(toolkit), hwnd_(target), onDrop_(std::move(onDrop)) {
    SetPropW(hwnd_, Property, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32DropTarget::windowProc)));
    DragAcceptFiles(hwnd_, TRUE);
}

Win32DropTarget::~Win32DropTarget() {
    // Windows are normally gone by now; a living one is unwrapped only while this procedure is
    // still the outermost, or a later subclass would lose its chain.
    if (!IsWindow(hwnd_))
        return;
    DragAcceptFiles(hwnd_, FALSE);
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Win32DropTarget::windowProc)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropW(hwnd_, Property);
    }
}

std::vector<ui::DroppedItem> Win32DropTarget::itemsOf(HDROP drop) {
    std::vector<ui::DroppedItem> items;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(std::size_t(length) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        if (path.empty())
            continue;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        items.push_back({std::move(path), folder});
    }
    return items;
}

LRESULT CALLBACK Win32DropTarget::windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Win32DropTarget*>(GetPropW(w, Property));
    if (!self)
        return DefWindowProcW(w, message, wParam, lParam);
    if (message == WM_DROPFILES) {
        auto drop = reinterpret_cast<HDROP>(wParam);
        const auto items = itemsOf(drop);
        DragFinish(drop);
        if (self->onDrop_ && !items.empty())
            self->toolkit_.dispatch([&] { self->onDrop_(items); });
        return 0;
    }
    const WNDPROC previous = self->previous_;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(w, Property);
    }
    return CallWindowProcW(previous, w, message, wParam, lParam);
}

} // namespace vx::win32
