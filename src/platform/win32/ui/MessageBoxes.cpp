#include "platform/win32/Handles.h"
#include "platform/win32/ui/Win32Toolkit.h"

namespace vx::win32 {

namespace {

// State of the one message box being opened on this thread.
thread_local HHOOK tlsHook = nullptr;
thread_local WNDPROC tlsOriginalProc = nullptr;

// Escape answers "&No" in a Yes/No box, which the system box would otherwise ignore.
LRESULT CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && GetDlgItem(box, IDNO))
        wParam = MAKEWPARAM(IDNO, HIWORD(wParam));
    return CallWindowProcW(tlsOriginalProc, box, message, wParam, lParam);
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        // The buttons read the same whatever the system's language.
        if (HWND yes = GetDlgItem(box, IDYES))
            SetWindowTextW(yes, L"&Yes");
        if (HWND no = GetDlgItem(box, IDNO)) {
            SetWindowTextW(no, L"&No");
            tlsOriginalProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&boxProcedure)));
        }
        RECT r{};
        GetWindowRect(box, &r);
        int w = r.right - r.left, h = r.bottom - r.top;
        SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        HHOOK hook = tlsHook;
        tlsHook = nullptr;
        UnhookWindowsHookEx(hook);
        return 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    ModalScope modal(owner);
    tlsHook = SetWindowsHookExW(WH_CBT, &cbtHook, nullptr, GetCurrentThreadId());
    int answer = MessageBoxW(owner, text.c_str(), caption.c_str(), flags | MB_SETFOREGROUND);
    if (tlsHook) {
        UnhookWindowsHookEx(tlsHook);
        tlsHook = nullptr;
    }
    return answer;
}

bool Win32Toolkit::ask(ui::QuestionKind kind, const std::wstring& text) {
    const bool confirm = kind == ui::QuestionKind::Confirmation;
    UINT flags = MB_YESNO | MB_DEFBUTTON1 | (confirm ? MB_ICONQUESTION : MB_ICONINFORMATION);
    return showMessageBox(appWindow(), text, confirm ? L"Confirm" : L"Information", flags) == IDYES;
}

void Win32Toolkit::notify(const std::wstring& text) { showMessageBox(appWindow(), text, L"Vextral", MB_OK); }

void Win32Toolkit::showError(const std::wstring& text) {
    showMessageBox(appWindow(), text, L"Vextral", MB_OK | MB_ICONSTOP);
}

} // namespace vx::win32
