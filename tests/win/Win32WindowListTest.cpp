#include "platform/win32/Win32WindowList.h"
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

using namespace vx;

namespace {

// Windows of a class whose WM_CLOSE is refused while `refuse` is set, and counted.
int closeRequests = 0;
bool refuse = false;

LRESULT CALLBACK proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        ++closeRequests;
        if (refuse)
            return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

struct Win32WindowListTest : ::testing::Test {
    win32::Win32WindowList list;
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VxWindowListTest";
        RegisterClassW(&wc);
    }
    void SetUp() override {
        closeRequests = 0;
        refuse = false;
    }
    static HWND make(const std::wstring& title, bool visible = true, HWND owner = nullptr) {
        HWND w = CreateWindowExW(0, L"VxWindowListTest", title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10,
                                 200, 100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (visible)
            ShowWindow(w, SW_SHOWNOACTIVATE);
        return w;
    }
    static WindowId id(HWND w) { return reinterpret_cast<WindowId>(w); }
    bool inWalkFrom(HWND start, HWND target) {
        for (WindowId w = list.first(id(start)); w; w = list.next(w))
            if (w == id(target))
                return true;
        return false;
    }
};

} // namespace

TEST_F(Win32WindowListTest, WalkOwnerVisibilityAndTitles) {
    HWND main = make(L"Главное окно");
    HWND dialog = make(L"Dialog", true, main);
    HWND hidden = make(std::wstring(200, L'x'), false);
    EXPECT_TRUE(inWalkFrom(dialog, main));
    EXPECT_TRUE(inWalkFrom(main, hidden)) << "the walk covers hidden windows too";
    EXPECT_EQ(list.owner(id(dialog)), id(main));
    EXPECT_EQ(list.owner(id(main)), 0u);
    EXPECT_TRUE(list.visible(id(main)));
    EXPECT_FALSE(list.visible(id(hidden)));
    EXPECT_EQ(list.title(id(main), 128), L"Главное окно");
    EXPECT_EQ(list.title(id(hidden), 128), std::wstring(127, L'x'))
        << "the buffer holds the terminating zero";
    EXPECT_EQ(list.findByTitle(L"главное ОКНО"), id(main));

    list.minimise(id(main));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg); // the request may arrive as a message
    EXPECT_TRUE(IsIconic(main));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(list.visible(id(main))) << "a minimised window counts as visible";
    DestroyWindow(hidden);
    DestroyWindow(main);
}

TEST_F(Win32WindowListTest, CloseRequestsAreAnsweredWhetherOrNotTheWindowCloses) {
    HWND stays = make(L"Refuses");
    refuse = true;
    EXPECT_EQ(list.requestClose(id(stays)), platform::CloseRequest::Answered);
    EXPECT_TRUE(IsWindow(stays));
    refuse = false;
    EXPECT_EQ(list.requestClose(id(stays)), platform::CloseRequest::Answered);
    EXPECT_FALSE(IsWindow(stays));
    EXPECT_EQ(closeRequests, 2);
    EXPECT_EQ(list.requestClose(id(stays)), platform::CloseRequest::NoAnswer)
        << "a window that is gone";
}
