#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

using namespace vx;

// Windows tells every top-level window how the end of a session turned out; only a session
// that goes on after all is reported to the program, and only once per notice.
TEST(ApplicationWindow, ReportsAShutdownCalledOffButNotOneThatProceeds) {
    win32::Win32Toolkit toolkit(L"Vextral");
    int cancelled = 0;
    toolkit.onShutdownCancelled = [&] { ++cancelled; };
    HWND app = reinterpret_cast<HWND>(toolkit.applicationWindow());

    EXPECT_TRUE(SendMessageW(app, WM_QUERYENDSESSION, 0, 0)) << "the program agrees to end";
    SendMessageW(app, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(cancelled, 0);
    SendMessageW(app, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(cancelled, 1);
}

// A run due later happens once; a later call replaces the one waiting, an empty one cancels it.
TEST(ApplicationWindow, RunsOnceAfterItsDelay) {
    win32::Win32Toolkit toolkit(L"Vextral");
    std::string ran;
    auto pump = [](DWORD ms) {
        for (const DWORD until = GetTickCount() + ms; GetTickCount() < until; Sleep(5))
            for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
                DispatchMessageW(&msg);
    };
    toolkit.runOnceAfter(20, [&] { ran += "first "; });
    toolkit.runOnceAfter(40, [&] { ran += "second "; });
    pump(300);
    toolkit.runOnceAfter(20, [&] { ran += "cancelled "; });
    toolkit.runOnceAfter(0, nullptr);
    pump(200);
    EXPECT_EQ(ran, "second ");
}
