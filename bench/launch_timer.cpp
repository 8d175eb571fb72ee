// launch_timer: starts a program several times and measures, for each start, the time until a
// visible window of the given class exists, the time until the program first waits for input in
// its message loop (so a press on that window is acted on), and the process's private memory a
// moment later.
//
//   launch_timer RUNS CLASS PROGRAM
//
// Prints "shown_ms private_kb idle_ms" (medians over the runs). It joins the desktop named
// "shell".
#include "Clock.h"
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::nowMs;

HWND findVisible(const wchar_t* cls) {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, cls, nullptr)) != nullptr)
        if (IsWindowVisible(w))
            return w;
    return nullptr;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (HDESK desk = OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL))
        SetThreadDesktop(desk);
    if (argc < 4)
        return 2;
    const int runs = _wtoi(argv[1]);
    const wchar_t* cls = argv[2];
    std::wstring command = L"\"" + std::wstring(argv[3]) + L"\"";
    std::vector<double> times, idle;
    std::vector<SIZE_T> memory;
    for (int i = 0; i < runs; ++i) {
        STARTUPINFOW si{sizeof(si)};
        si.lpDesktop = const_cast<wchar_t*>(L"shell");
        PROCESS_INFORMATION pi{};
        std::wstring line = command;
        double start = nowMs();
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        double found = -1, idleAt = -1;
        while (nowMs() - start < 30000) {
            if (findVisible(cls)) {
                found = nowMs() - start;
                break;
            }
            Sleep(1);
        }
        // Idle: the program waits in its message loop with nothing to do, so a press on the
        // window is acted on at once (a thread that only waits for another's reply is not idle).
        if (found >= 0 && WaitForInputIdle(pi.hProcess, 30000) == 0)
            idleAt = nowMs() - start;
        Sleep(500); // let the program settle before its memory is read
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof(counters);
        GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (found < 0 || idleAt < 0)
            return 1;
        times.push_back(found);
        idle.push_back(idleAt);
        // Wine fills the commit charge but not always PrivateUsage; both count private bytes.
        memory.push_back(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage);
        // The program shows the Start button again only on a clean exit; the next run hides it.
        Sleep(200);
    }
    printf("%.1f %zu %.1f\n", median(times), size_t(median(memory) / 1024), median(idle));
    return 0;
}
