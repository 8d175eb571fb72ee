#pragma once
// Timing helpers shared by the benchmark programs.
#include <windows.h>
#include <algorithm>
#include <vector>

namespace bench {

// Milliseconds on the performance counter.
inline double nowMs() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The middle value of the runs (the upper one of an even count).
inline double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace bench
