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

// Some systems measure the text narrower than they draw it and cut its last characters
// (" ?" of a question): widen the text and the box until the text fits.
void fitText(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Static") != 0 || GetWindowTextLengthW(child) == 0)
            continue;
        std::wstring text(std::size_t(GetWindowTextLengthW(child)) + 1, L'\0');
        text.resize(std::size_t(GetWindowTextW(child, text.data(), int(text.size()))));
        RECT have{};
        GetClientRect(child, &have);
        RECT need{0, 0, have.right, 0};
        {
            WindowDc dc(child);
            SelectObjectScope font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)));
            DrawTextW(dc.get(), text.c_str(), int(text.size()), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        }
        const int extra = need.right + 8 - have.right;
        if (extra <= 0)
            continue;
        RECT r{};
        GetWindowRect(child, &r);
        SetWindowPos(child, nullptr, 0, 0, r.right - r.left + extra, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(box, &r);
        SetWindowPos(box, nullptr, 0, 0, r.right - r.left + extra, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Keep the buttons centred under the wider text.
        for (HWND b = GetWindow(box, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
            GetClassNameW(b, cls, 16);
            if (lstrcmpiW(cls, L"Button") != 0)
                continue;
            RECT br{};
            GetWindowRect(b, &br);
            MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&br), 2);
            SetWindowPos(b, nullptr, br.left + extra / 2, br.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        // Unhook first: moving the box below must not come back here.
        UnhookWindowsHookEx(tlsHook);
        tlsHook = nullptr;
        HWND box = reinterpret_cast<HWND>(wParam);
        fitText(box);
        // The buttons read the same whatever the system's language.
        if (HWND ok = GetDlgItem(box, IDOK))
            SetWindowTextW(ok, L"OK");
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
    const bool yes = showMessageBox(appWindow(), text, confirm ? L"Confirm" : L"Information", flags) == IDYES;
    boxClosed();
    return yes;
}

void Win32Toolkit::notify(const std::wstring& text) {
    showMessageBox(appWindow(), text, L"Vextral", MB_OK);
    boxClosed();
}

void Win32Toolkit::showError(const std::wstring& text) {
    showMessageBox(appWindow(), text, L"Vextral", MB_OK | MB_ICONSTOP);
    boxClosed();
}

} // namespace vx::win32
