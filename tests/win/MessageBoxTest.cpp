#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

using namespace vx;

namespace {

// Finds the thread's message box by caption and records what it shows, then answers it.
struct BoxAnswerer {
    std::wstring caption;
    UINT key = 0;        // a key to send, or 0
    int button = 0;      // a button to press, or 0
    std::wstring yes{}, no{}, text{};
    RECT rect{};
    std::thread thread{};

    void start() {
        thread = std::thread([this] {
            HWND box = nullptr;
            for (int i = 0; i < 200 && !box; ++i) {
                Sleep(25);
                box = FindWindowW(L"#32770", caption.c_str());
            }
            if (!box)
                return;
            Sleep(100);
            wchar_t buffer[256];
            if (HWND b = GetDlgItem(box, IDYES); b && GetWindowTextW(b, buffer, 256))
                yes = buffer;
            if (HWND b = GetDlgItem(box, IDNO); b && GetWindowTextW(b, buffer, 256))
                no = buffer;
            GetWindowRect(box, &rect);
            if (key) {
                PostMessageW(GetFocus() ? GetFocus() : box, WM_KEYDOWN, key, 0);
                HWND focus = GetDlgItem(box, IDYES);
                PostMessageW(focus ? focus : box, WM_KEYDOWN, key, 0);
            }
            if (button)
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        });
    }
    ~BoxAnswerer() {
        if (thread.joinable())
            thread.join();
    }
};

} // namespace

TEST(MessageBoxes, ConfirmationShowsYesNoCentredAndAnswers) {
    win32::Win32Toolkit toolkit(L"Vextral");
    BoxAnswerer answerer{L"Confirm"};
    answerer.button = IDYES;
    answerer.start();
    EXPECT_TRUE(toolkit.ask(ui::QuestionKind::Confirmation, L"Вы действительно хотите закрыть Vextral ?"));
    answerer.thread.join();
    EXPECT_EQ(answerer.yes, L"&Yes");
    EXPECT_EQ(answerer.no, L"&No");
    const int cx = (answerer.rect.left + answerer.rect.right) / 2;
    const int cy = (answerer.rect.top + answerer.rect.bottom) / 2;
    EXPECT_NEAR(cx, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(cy, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(MessageBoxes, EscapeAnswersNo) {
    win32::Win32Toolkit toolkit(L"Vextral");
    BoxAnswerer answerer{L"Information"};
    answerer.button = IDCANCEL; // what the dialog manager sends for Escape
    answerer.start();
    EXPECT_FALSE(toolkit.ask(ui::QuestionKind::Information, L"Вы действительно хотите завершить работу Windows"));
}
