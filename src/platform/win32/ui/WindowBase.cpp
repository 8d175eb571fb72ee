#include "platform/win32/ui/WindowBase.h"
#include <set>

namespace vx::win32 {

WindowBase::~WindowBase() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void WindowBase::registerClass(const std::wstring& name, UINT style, bool withIcon) {
    static std::set<std::wstring> registered;
    if (!registered.insert(name).second)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &WindowBase::procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (withIcon) {
        // Loaded once in each size: a class without its small icon would have the system copy
        // one from the resource again at each registration.
        auto load = [](int width, int height) {
            return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED));
        };
        static const HICON large = load(SM_CXICON, SM_CYICON), small = load(SM_CXSMICON, SM_CYSMICON);
        wc.hIcon = large;
        wc.hIconSm = small;
    }
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
}

bool WindowBase::createWindow(const std::wstring& className, DWORD exStyle, DWORD style, int x, int y, int width,
                              int height, HWND parent, HMENU menuOrId, const wchar_t* text) {
    CreateWindowExW(exStyle, className.c_str(), text, style, x, y, width, height, parent, menuOrId,
                    GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

LRESULT WindowBase::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = self->onMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace vx::win32
