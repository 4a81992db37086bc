// The clock, the idle wait and the median the benchmarks under Wine share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds of the performance counter.
inline double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// Dispatches this thread's messages for the given time, so idle work (timers, paints) runs.
inline void Idle(double milliseconds) {
    const double end = Now() + milliseconds;
    while (Now() < end) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(1);
    }
}

// -1 for no figures.
inline double Median(std::vector<double> v) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
