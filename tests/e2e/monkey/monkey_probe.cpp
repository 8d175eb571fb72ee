// monkey_probe: the monkey test's eyes and hands inside the Wine desktop.
//
//   monkey_probe windows   print "x y w h CLASS" for each visible window of Vextral
//   monkey_probe tidy      answer open boxes safely and print what they said:
//                          questions get "&No" (so neither Windows nor Vextral is shut down),
//                          error and notice boxes get "OK", file and folder dialogs are cancelled,
//                          explorer windows that Vextral opened are closed
//   monkey_probe alive     exit 0 when Vextral's main bar answers a message within 5 s
//   monkey_probe serve     read one of the commands above a line from standard input and answer
//                          it, then a line holding only "."; one process for the whole run, as
//                          a Wine process costs a good part of a second to start
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void out(const std::wstring& line) {
    std::wstring text = line + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), n, nullptr, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::wstring textOf(HWND w) {
    wchar_t buffer[512] = {};
    SendMessageTimeoutW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::wstring classOf(HWND w) {
    wchar_t buffer[128] = {};
    GetClassNameW(w, buffer, 128);
    return buffer;
}

DWORD vextralProcess() {
    HWND bar = FindWindowW(L"TForm1", nullptr);
    DWORD pid = 0;
    if (bar)
        GetWindowThreadProcessId(bar, &pid);
    return pid;
}

std::vector<HWND> visibleWindowsOf(DWORD pid) {
    std::vector<HWND> result;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w))
            result.push_back(w);
    }
    return result;
}

HWND childWithText(HWND parent, const wchar_t* text) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (textOf(c) == text)
            return c;
    return nullptr;
}

void press(HWND dialog, HWND button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Runs one command; its exit code.
int run(const std::wstring& cmd) {
    DWORD pid = vextralProcess();
    if (!pid)
        return 1;
    if (cmd == L"alive") {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(FindWindowW(L"TForm1", nullptr), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)
                   ? 0
                   : 1;
    }
    if (cmd == L"windows") {
        for (HWND w : visibleWindowsOf(pid)) {
            RECT r{};
            GetWindowRect(w, &r);
            if (r.right - r.left < 8 || r.bottom - r.top < 8)
                continue;
            wchar_t line[256];
            swprintf(line, 256, L"%ld %ld %ld %ld %ls", r.left, r.top, r.right - r.left, r.bottom - r.top,
                     classOf(w).c_str());
            out(line);
        }
        return 0;
    }
    if (cmd == L"tidy") {
        for (HWND w : visibleWindowsOf(pid)) {
            if (classOf(w) == L"#32768") { // an open menu: let it go
                PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
                continue;
            }
            if (classOf(w) != L"#32770")
                continue;
            const std::wstring caption = textOf(w);
            if (HWND no = childWithText(w, L"&No")) {
                out(L"question [" + caption + L"]");
                press(w, no);
            } else if (HWND ok = childWithText(w, L"OK"); ok && !GetDlgItem(w, 0x47C) && !GetDlgItem(w, 0x480)) {
                std::wstring text;
                for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                    if (classOf(c) == L"Static" && !textOf(c).empty())
                        text = textOf(c);
                out(L"box [" + caption + L"] " + text);
                press(w, ok);
            } else {
                out(L"dialog [" + caption + L"] cancelled");
                PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
            }
        }
        // Explorer windows opened by the drive and favourites commands belong to other processes.
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != pid && IsWindowVisible(w) && classOf(w) == L"ExplorerWClass")
                PostMessageW(w, WM_CLOSE, 0, 0);
        }
        return 0;
    }
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    wchar_t desk[64] = L"shell";
    GetEnvironmentVariableW(L"VX_DESKTOP", desk, 64);
    if (HDESK d = OpenDesktopW(desk, 0, FALSE, GENERIC_ALL))
        SetThreadDesktop(d);
    if (argc < 2)
        return 2;
    const std::wstring cmd = argv[1];
    if (cmd != L"serve")
        return run(cmd);
    char line[64];
    while (fgets(line, sizeof(line), stdin)) {
        std::wstring command;
        for (const char* c = line; *c && *c != '\r' && *c != '\n'; ++c)
            command.push_back(wchar_t(*c));
        const int code = run(command);
        out(code == 0 ? L"." : L". " + std::to_wstring(code));
        fflush(stdout);
    }
    return 0;
}
