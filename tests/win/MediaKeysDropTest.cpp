#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <filesystem>
#include <fstream>

using namespace vx;

namespace {

// A drop as the shell hands it over: a DROPFILES header and the paths, each ended by a null
// character, and one more null at the end.
HGLOBAL makeDrop(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const auto& p : paths)
        list += p + L'\0';
    list += L'\0';
    const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

std::unique_ptr<ui::Form> testForm(win32::Win32Toolkit& toolkit) {
    ui::FormSpec params;
    params.windowClass = L"TKeysDropTestForm";
    params.clientWidth = 207;
    params.clientHeight = 237;
    return toolkit.createForm(params);
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A list box where the player has its display list.
ui::ListBox& addPlayerList(ui::Form& form) {
    ui::ListBoxSpec params;
    params.id = 8003;
    params.rect = {2, 35, 204, 199};
    return form.addListBox(params);
}

} // namespace

// A drop on the list reaches its handler once, in the shell's order, with folders told apart;
// the list's own subclass (its keys) still works beneath the drop target.
TEST(Win32DropTarget, DropOnTheListReportsItemsInOrderWithFolders) {
    win32::Win32Toolkit toolkit(L"Vextral drop test");
    auto form = testForm(toolkit);
    auto& list = addPlayerList(*form);
    std::vector<std::vector<ui::DroppedItem>> drops;
    toolkit.acceptDrops(list, [&](const std::vector<ui::DroppedItem>& items) { drops.push_back(items); });
    std::vector<int> keys;
    list.onKeyDown = [&](int key) { keys.push_back(key); };
    HWND hwnd = reinterpret_cast<HWND>(list.handle());
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    const auto folder = std::filesystem::temp_directory_path() / L"vx drop Папка";
    std::filesystem::create_directories(folder);
    const auto file = folder / L"песня.mp3";
    std::ofstream(file).put('x');
    const std::wstring missing = (folder / L"gone.wav").wstring();

    SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({file.wstring(), folder.wstring(), missing})),
                 0);
    ASSERT_EQ(drops.size(), 1u);
    ASSERT_EQ(drops[0].size(), 3u);
    EXPECT_EQ(drops[0][0].path, file.wstring());
    EXPECT_FALSE(drops[0][0].folder);
    EXPECT_EQ(drops[0][1].path, folder.wstring());
    EXPECT_TRUE(drops[0][1].folder);
    EXPECT_EQ(drops[0][2].path, missing);
    EXPECT_FALSE(drops[0][2].folder) << "a name that is not there counts as a file";

    SendMessageW(hwnd, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(keys, (std::vector<int>{VK_DELETE}));
    std::filesystem::remove_all(folder);
}

// Claimed, the four keys are the program's system-wide, so another window cannot take them;
// given back, they are free again. A real key press then arrives as a hot key.
TEST(Win32MediaKeys, ClaimTakesTheKeysSystemWideAndReleaseGivesThemBack) {
    win32::Win32Toolkit toolkit(L"Vextral keys test");
    auto& keys = static_cast<win32::Win32MediaKeys&>(toolkit.mediaKeys());
    std::vector<ui::MediaKey> heard;
    keys.onKey = [&](ui::MediaKey k) {
        heard.push_back(k);
        return true;
    };
    auto other = testForm(toolkit);
    HWND otherWindow = reinterpret_cast<HWND>(other->handle());

    EXPECT_FALSE(keys.claimed());
    keys.setClaimed(true);
    EXPECT_TRUE(keys.claimed());
    EXPECT_EQ(keys.registeredCount(), 4);
    EXPECT_FALSE(RegisterHotKey(otherWindow, 1, 0, VK_MEDIA_NEXT_TRACK)) << "the key is taken while claimed";

    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_KEYBOARD;
    press[0].ki.wVk = press[1].ki.wVk = VK_MEDIA_NEXT_TRACK;
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, press, sizeof(INPUT));
    for (int i = 0; i < 50 && heard.empty(); ++i) {
        Sleep(10);
        pump();
    }
    EXPECT_EQ(heard, (std::vector<ui::MediaKey>{ui::MediaKey::NextTrack}));

    keys.setClaimed(false);
    EXPECT_EQ(keys.registeredCount(), 0);
    EXPECT_TRUE(RegisterHotKey(otherWindow, 1, 0, VK_MEDIA_NEXT_TRACK)) << "given back, another window may take it";
    UnregisterHotKey(otherWindow, 1);
}

// A media command that reaches a form is delivered; what the program acts on stops there, the
// rest goes on. One that reaches a control climbs to its form.
TEST(Win32MediaKeys, AppCommandsReachingAFormAreDeliveredAndReportHandled) {
    win32::Win32Toolkit toolkit(L"Vextral appcommand test");
    auto form = testForm(toolkit);
    auto& list = addPlayerList(*form);
    HWND top = reinterpret_cast<HWND>(form->handle());
    HWND child = reinterpret_cast<HWND>(list.handle());
    bool act = true;
    std::vector<ui::MediaKey> heard;
    toolkit.mediaKeys().onKey = [&](ui::MediaKey k) {
        heard.push_back(k);
        return act;
    };
    auto command = [&](HWND target, int cmd) {
        return SendMessageW(target, WM_APPCOMMAND, reinterpret_cast<WPARAM>(target),
                            MAKELPARAM(0, cmd | FAPPCOMMAND_KEY));
    };
    EXPECT_EQ(command(top, APPCOMMAND_MEDIA_PLAY_PAUSE), TRUE);
    EXPECT_EQ(command(top, APPCOMMAND_MEDIA_STOP), TRUE);
    command(child, APPCOMMAND_MEDIA_PREVIOUSTRACK);
    act = false;
    EXPECT_EQ(command(top, APPCOMMAND_MEDIA_NEXTTRACK), FALSE) << "not acted on: passed on";
    EXPECT_EQ(command(top, APPCOMMAND_VOLUME_UP), FALSE);
    EXPECT_EQ(heard, (std::vector<ui::MediaKey>{ui::MediaKey::PlayPause, ui::MediaKey::Stop,
                                                ui::MediaKey::PreviousTrack, ui::MediaKey::NextTrack}));
}
