// vxprobe: looks at Vextral's windows from outside, for the end-to-end tests.
//
//   vxprobe wait CLASS [ms]          wait for a visible window of CLASS and its program's first
//                                    wait for input; print "x y w h"
//   vxprobe gone CLASS [ms]          wait until no visible window of CLASS is left
//   vxprobe rect CLASS               print "x y w h visible" of the first window of CLASS
//   vxprobe owner CLASS              print 1 when the window has an owner, 0 otherwise
//   vxprobe start                    print "visible pushed" of the taskbar's Start button
//   vxprobe parent CLASS             print "taskbar" when CLASS is docked as the taskbar's child
//   vxprobe box CAPTION [ms]         wait for a message box; print its text and buttons
//   vxprobe answer CAPTION BUTTON    press a button of a message box by its text
//   vxprobe control CLASS ID         print the text of control ID in the window of CLASS
//   vxprobe text CLASS ID            the same for a control at any depth (inside a tool bar, say)
//   vxprobe crect CLASS ID           print "x y w h" on the screen of control ID at any depth
//   vxprobe accname CLASS ID         print the accessible name of control ID at any depth
//   vxprobe tip [ms]                 wait for a visible tooltip; print its text
//   vxprobe save PATH [ms]           wait for a file dialog, type PATH as the file name and press OK
//   vxprobe close CLASS              post WM_CLOSE to the window of CLASS
//   vxprobe popup [ms]               wait for a popup menu; print "x y w h"
//   vxprobe checked CLASS ID         print 1 when check box ID in the window of CLASS is ticked, else 0
//   vxprobe items CLASS ID           print the items of list box ID in the window of CLASS, one a line,
//                                    and "selected N" last
//   vxprobe drop CLASS ID PATH...    post WM_DROPFILES with PATH... (in this order) to control ID
//   vxprobe appcommand CLASS ID N    send WM_APPCOMMAND N (a key's) to control ID (0: the window
//                                    itself); print the answer
//   vxprobe hotkey VK                print 1 when no program holds VK as a system-wide hot key, else 0
//   vxprobe key VK                   press and release the key VK through the system's input
//   vxprobe treeitem CLASS ID TEXT   in tree view ID, the first item made so far whose text holds TEXT
//                                    (any case), scrolled into view; print "x y w h" of its label
//   vxprobe send CLASS MSG [W [L]]   send message MSG (decimal or 0x hex) to the window of CLASS;
//                                    print the answer
//
// It joins the desktop named "shell" when there is one, so that it sees the windows there.
#include "platform/win32/Handles.h"
#include <windows.h>
#include <oleacc.h>
#include <shlobj.h>
#include <commctrl.h>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Prints a line as UTF-8, whatever the console's code page.
void out(const std::wstring& line) {
    std::wstring text = line + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), n, nullptr, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
}

HWND findVisible(const wchar_t* cls, const wchar_t* caption = nullptr) {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, cls, caption)) != nullptr)
        if (IsWindowVisible(w))
            return w;
    return nullptr;
}

// Joins the test's desktop (VX_DESKTOP, "shell" by default); false while it does not exist yet.
bool joinShellDesktop() {
    static bool joined = false;
    wchar_t name[64] = L"shell";
    if (!GetEnvironmentVariableW(L"VX_DESKTOP", name, 64))
        lstrcpyW(name, L"shell");
    if (!joined)
        if (HDESK desk = OpenDesktopW(name, 0, FALSE, GENERIC_ALL))
            joined = SetThreadDesktop(desk) != 0;
    return joined;
}

HWND waitFor(const wchar_t* cls, const wchar_t* caption, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = findVisible(cls, caption))
            return w;
        if (GetTickCount() - start > ms)
            return nullptr;
        Sleep(50);
    }
}

// The process that owns window `w`, opened for `access` (empty when it cannot be).
vx::win32::UniqueHandle processOf(HWND w, DWORD access) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return vx::win32::UniqueHandle(OpenProcess(access, FALSE, pid));
}

// Whether the program that owns `w` came to wait in its message loop with no input pending.
bool waitForIdle(HWND w, DWORD ms) {
    const auto process = processOf(w, SYNCHRONIZE | PROCESS_QUERY_INFORMATION);
    return process && WaitForInputIdle(process.get(), ms) == 0;
}

void printRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::wstring textOf(HWND w) {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

// A control by its ID anywhere below `top`; GetDlgItem looks at direct children only.
HWND findDescendant(HWND top, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        top,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (GetDlgCtrlID(w) != s->id)
                return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND startButton() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar)
        return nullptr;
    // The shell's Start window goes by its class, Wine's Start button is a plain button.
    if (HWND start = FindWindowExW(taskbar, nullptr, L"Start", nullptr))
        return start;
    return FindWindowExW(taskbar, nullptr, L"Button", nullptr);
}

// A top-level window of the class, or else one docked into the taskbar as its child.
HWND findWindow(const wchar_t* cls) {
    if (HWND w = FindWindowW(cls, nullptr))
        return w;
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    return taskbar ? FindWindowExW(taskbar, nullptr, cls, nullptr) : nullptr;
}

DWORD timeoutArg(int argc, wchar_t** argv, int index) { return argc > index ? DWORD(_wtoi(argv[index])) : 10000; }

// An entry of a list box, read the standard way: Windows carries LB_GETTEXT across processes
// for a list box that holds its strings.
std::wstring listText(HWND list, int index) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXTLEN, WPARAM(index), 0, SMTO_NORMAL, 5000, &length) ||
        LRESULT(length) == LB_ERR)
        return L"<no text>";
    std::wstring text(std::size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                             5000, &copied) ||
        LRESULT(copied) == LB_ERR)
        return L"<no text>";
    text.resize(std::size_t(copied));
    return text;
}

// The name that assistive technology reads for a window: its standard accessible object's.
std::wstring accessibleName(HWND w) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, DWORD(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&object))))
        return L"<no object>";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(object->get_accName(self, &name)) && name ? std::wstring(name) : L"<no name>";
    SysFreeString(name);
    object->Release();
    return result;
}

// A tree view's items live in the program's memory: their texts and rectangles are read through
// a buffer placed in that process.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND owner, SIZE_T size)
        : process_(processOf(owner, PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE)) {
        if (process_)
            address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_)
            VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    char* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
    bool write(SIZE_T offset, const void* data, SIZE_T size) const {
        return address_ && WriteProcessMemory(process_.get(), at(offset), data, size, nullptr);
    }
    bool read(SIZE_T offset, void* data, SIZE_T size) const {
        return address_ && ReadProcessMemory(process_.get(), at(offset), data, size, nullptr);
    }

  private:
    vx::win32::UniqueHandle process_;
    void* address_ = nullptr;
};

std::wstring treeText(HWND tree, const RemoteBuffer& buffer, HTREEITEM item) {
    constexpr int Chars = 260;
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = item;
    query.pszText = reinterpret_cast<wchar_t*>(buffer.at(sizeof(TVITEMW)));
    query.cchTextMax = Chars;
    wchar_t text[Chars] = {};
    if (!buffer.write(0, &query, sizeof(query)) || !SendMessageW(tree, TVM_GETITEMW, 0, LPARAM(buffer.at(0))) ||
        !buffer.read(sizeof(TVITEMW), text, sizeof(text)))
        return {};
    text[Chars - 1] = 0;
    return text;
}

// Depth first through the items the tree holds now (a folder's subfolders appear once opened).
HTREEITEM findTreeItem(HWND tree, const RemoteBuffer& buffer, HTREEITEM first, const std::wstring& part) {
    for (HTREEITEM item = first; item; item = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, LPARAM(item)))) {
        std::wstring text = treeText(tree, buffer, item);
        CharLowerW(text.data());
        if (text.find(part) != std::wstring::npos)
            return item;
        HTREEITEM child = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, LPARAM(item)));
        if (HTREEITEM found = findTreeItem(tree, buffer, child, part))
            return found;
    }
    return nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Wait for the desktop before any other call ties this thread to the default one.
    for (int i = 0; i < 300 && !joinShellDesktop(); ++i)
        Sleep(50);
    // Every rectangle in real screen pixels, whatever the screen's dpi setting.
    SetProcessDPIAware();
    if (argc < 2)
        return 2;
    std::wstring cmd = argv[1];
    if (cmd == L"wait" && argc >= 3) {
        // Shown, and its program waiting for input: the program's bar shows before its other
        // windows are made, and its message loop runs once they all exist.
        const DWORD timeout = timeoutArg(argc, argv, 3);
        HWND w = waitFor(argv[2], nullptr, timeout);
        if (!w || !waitForIdle(w, timeout))
            return 1;
        printRect(w);
        return 0;
    }
    if (cmd == L"gone" && argc >= 3) {
        DWORD start = GetTickCount();
        while (findVisible(argv[2])) {
            if (GetTickCount() - start > timeoutArg(argc, argv, 3))
                return 1;
            Sleep(50);
        }
        return 0;
    }
    if (cmd == L"rect" && argc >= 3) {
        HWND w = findWindow(argv[2]);
        if (!w)
            return 1;
        RECT r{};
        GetWindowRect(w, &r);
        wprintf(L"%ld %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top, IsWindowVisible(w) ? 1 : 0);
        return 0;
    }
    if (cmd == L"parent" && argc >= 3) { // "taskbar", "none" (top-level) or "other"
        HWND w = findWindow(argv[2]);
        if (!w)
            return 1;
        HWND parent = GetAncestor(w, GA_PARENT);
        const bool topLevel = !parent || parent == GetDesktopWindow();
        const bool taskbar = parent == FindWindowW(L"Shell_TrayWnd", nullptr);
        wprintf(L"%ls\n", topLevel ? L"none" : taskbar ? L"taskbar" : L"other");
        return 0;
    }
    if (cmd == L"owner" && argc >= 3) {
        HWND w = findWindow(argv[2]);
        if (!w)
            return 1;
        wprintf(L"%d\n", GetWindow(w, GW_OWNER) ? 1 : 0);
        return 0;
    }
    if (cmd == L"startrect") { // the Start button's rectangle on the screen, shown or not
        HWND b = startButton();
        if (!b)
            return 1;
        RECT r{};
        GetWindowRect(b, &r);
        wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == L"start") {
        HWND b = startButton();
        if (!b)
            return 1;
        LRESULT state = SendMessageW(b, BM_GETSTATE, 0, 0);
        wprintf(L"%d %d\n", IsWindowVisible(b) ? 1 : 0, (state & BST_PUSHED) ? 1 : 0);
        return 0;
    }
    if (cmd == L"box" && argc >= 3) {
        HWND box = waitFor(L"#32770", argv[2], timeoutArg(argc, argv, 3));
        if (!box)
            return 1;
        // The text first, then the buttons in their order.
        for (int pass = 0; pass < 2; ++pass)
            for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                wchar_t cls[64] = {};
                GetClassNameW(c, cls, 64);
                if (pass == 0 && _wcsicmp(cls, L"Static") == 0 && !textOf(c).empty())
                    out(textOf(c));
                if (pass == 1 && _wcsicmp(cls, L"Button") == 0 && IsWindowVisible(c))
                    out(L"[" + textOf(c) + L"]" +
                        ((GetWindowLongW(c, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON ? L" default" : L""));
            }
        return 0;
    }
    if (cmd == L"answer" && argc >= 4) {
        HWND box = waitFor(L"#32770", argv[2], 10000);
        if (!box)
            return 1;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (textOf(c) == argv[3]) {
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED), reinterpret_cast<LPARAM>(c));
                return 0;
            }
        return 1;
    }
    if (cmd == L"control" && argc >= 4) {
        HWND w = findWindow(argv[2]);
        HWND c = w ? GetDlgItem(w, _wtoi(argv[3])) : nullptr;
        if (!c)
            return 1;
        out(textOf(c));
        return 0;
    }
    if ((cmd == L"text" || cmd == L"crect" || cmd == L"accname") && argc >= 4) {
        HWND w = findWindow(argv[2]);
        HWND c = w ? findDescendant(w, _wtoi(argv[3])) : nullptr;
        if (!c)
            return 1;
        if (cmd == L"text")
            out(textOf(c));
        else if (cmd == L"accname")
            out(accessibleName(c));
        else
            printRect(c);
        return 0;
    }
    if (cmd == L"tip") {
        HWND tip = waitFor(L"tooltips_class32", nullptr, timeoutArg(argc, argv, 2));
        if (!tip)
            return 1;
        Sleep(100); // the text is set before the window shows; let the show finish
        out(textOf(tip));
        return 0;
    }
    if (cmd == L"save" && argc >= 3) {
        // The file name box of the common dialogs: a combo box (cmb13) or, in old ones, an edit.
        HWND dialog = nullptr;
        DWORD start = GetTickCount();
        while (!dialog && GetTickCount() - start < timeoutArg(argc, argv, 3)) {
            HWND w = findVisible(L"#32770");
            if (w && (GetDlgItem(w, 0x47C) || GetDlgItem(w, 0x480)))
                dialog = w;
            else
                Sleep(50);
        }
        if (!dialog)
            return 1;
        HWND name = GetDlgItem(dialog, 0x47C) ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480);
        SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]), SMTO_ABORTIFHUNG, 2000, nullptr);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return 0;
    }
    if (cmd == L"close" && argc >= 3) {
        HWND w = findWindow(argv[2]);
        return w && PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (cmd == L"items" && argc >= 4) {
        HWND w = findWindow(argv[2]);
        HWND c = w ? GetDlgItem(w, _wtoi(argv[3])) : nullptr;
        if (!c)
            return 1;
        const int n = int(SendMessageW(c, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i)
            out(listText(c, i));
        out(L"selected " + std::to_wstring(int(SendMessageW(c, LB_GETCURSEL, 0, 0))));
        return 0;
    }
    if (cmd == L"checked" && argc >= 4) {
        HWND w = findWindow(argv[2]);
        HWND c = w ? findDescendant(w, _wtoi(argv[3])) : nullptr;
        if (!c)
            return 1;
        wprintf(L"%d\n", SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return 0;
    }
    if (cmd == L"drop" && argc >= 5) {
        HWND w = findWindow(argv[2]);
        HWND c = w ? findDescendant(w, _wtoi(argv[3])) : nullptr;
        if (!c)
            return 1;
        // A drop as the shell hands it over: a DROPFILES header, then the paths, each ended by a
        // null character, and a null after the last. A memory handle does not cross processes,
        // so the block is written into the program's own memory, where a fixed block's address
        // serves as its handle.
        std::wstring list;
        for (int i = 4; i < argc; ++i)
            list += std::wstring(argv[i]) + L'\0';
        list += L'\0';
        std::string block(sizeof(DROPFILES) + list.size() * sizeof(wchar_t), '\0');
        auto* header = reinterpret_cast<DROPFILES*>(block.data());
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        memcpy(block.data() + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
        const auto process = processOf(c, PROCESS_VM_OPERATION | PROCESS_VM_WRITE);
        if (!process)
            return 1;
        void* remote = VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        const bool written =
            remote && WriteProcessMemory(process.get(), remote, block.data(), block.size(), nullptr);
        return written && PostMessageW(c, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) ? 0 : 1;
    }
    if (cmd == L"appcommand" && argc >= 5) {
        HWND w = findWindow(argv[2]);
        HWND c = w && _wtoi(argv[3]) ? findDescendant(w, _wtoi(argv[3])) : w;
        if (!c)
            return 1;
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(c, WM_APPCOMMAND, reinterpret_cast<WPARAM>(c),
                            MAKELPARAM(0, _wtoi(argv[4]) | FAPPCOMMAND_KEY), SMTO_NORMAL, 5000, &answer);
        wprintf(L"%d\n", int(answer));
        return 0;
    }
    if (cmd == L"hotkey" && argc >= 3) {
        const bool free = RegisterHotKey(nullptr, 1, 0, UINT(_wtoi(argv[2]))) != 0;
        if (free)
            UnregisterHotKey(nullptr, 1);
        wprintf(L"%d\n", free ? 1 : 0);
        return 0;
    }
    if (cmd == L"key" && argc >= 3) {
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_KEYBOARD;
        press[0].ki.wVk = press[1].ki.wVk = WORD(_wtoi(argv[2]));
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, press, sizeof(INPUT)) == 2 ? 0 : 1;
    }
    if (cmd == L"treeitem" && argc >= 5) {
        HWND w = findWindow(argv[2]);
        HWND tree = w ? findDescendant(w, _wtoi(argv[3])) : nullptr;
        if (!tree)
            return 1;
        RemoteBuffer buffer(tree, 4096);
        std::wstring part = argv[4];
        CharLowerW(part.data());
        HTREEITEM root = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        HTREEITEM item = findTreeItem(tree, buffer, root, part);
        if (!item)
            return 1;
        SendMessageW(tree, TVM_ENSUREVISIBLE, 0, LPARAM(item));
        RECT r{};
        *reinterpret_cast<HTREEITEM*>(&r) = item;
        if (!buffer.write(0, &r, sizeof(r)) || !SendMessageW(tree, TVM_GETITEMRECT, TRUE, LPARAM(buffer.at(0))) ||
            !buffer.read(0, &r, sizeof(r)))
            return 1;
        MapWindowPoints(tree, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == L"send" && argc >= 4) {
        HWND w = findWindow(argv[2]);
        if (!w)
            return 1;
        auto number = [&](int i) { return argc > i ? wcstoll(argv[i], nullptr, 0) : 0; };
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(w, UINT(number(3)), WPARAM(number(4)), LPARAM(number(5)), SMTO_ABORTIFHUNG, 5000, &answer);
        wprintf(L"%lld\n", static_cast<long long>(answer));
        return 0;
    }
    if (cmd == L"popup") {
        HWND w = waitFor(L"#32768", nullptr, timeoutArg(argc, argv, 2));
        if (!w)
            return 1;
        printRect(w);
        return 0;
    }
    return 2;
}
