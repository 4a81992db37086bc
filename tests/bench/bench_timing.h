// The clock, the idle wait and the median the benchmarks under Wine share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
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

// --- Until painted ---------------------------------------------------------------------------------
// What a person waits for is the window painted, not a handler returned. Watched windows count their
// WM_PAINTs, sent (UpdateWindow) or dispatched, through a subclass that only chains to theirs.
struct WatchedWindow {
    HWND window;
    WNDPROC previous;
};
inline std::vector<WatchedWindow>& WatchedWindows() {
    static std::vector<WatchedWindow> watched;
    return watched;
}
inline int& PaintsSeen() {
    static int paints = 0;
    return paints;
}
inline double& LastPaintEnd() {
    static double end = 0;
    return end;
}
inline LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const WatchedWindow& w : WatchedWindows())
        if (w.window == window) {
            const bool wide = IsWindowUnicode(window) != FALSE;
            const LRESULT result = wide ? CallWindowProcW(w.previous, window, message, wParam, lParam)
                                        : CallWindowProcA(w.previous, window, message, wParam, lParam);
            if (message == WM_PAINT) {
                GdiFlush();
                PaintsSeen()++;
                LastPaintEnd() = Now();
            }
            return result;
        }
    return 0;
}
inline void WatchPaints(HWND window) {
    for (const WatchedWindow& w : WatchedWindows())
        if (w.window == window)
            return;
    // The window's own character set stays: a list view's texts are wide, the launcher's narrow.
    WNDPROC previous = IsWindowUnicode(window)
                           ? (WNDPROC)SetWindowLongPtrW(window, GWLP_WNDPROC, (LONG_PTR)CountPaints)
                           : (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CountPaints);
    WatchedWindows().push_back(WatchedWindow{window, previous});
}

inline bool AnythingToPaint() {
    for (const WatchedWindow& w : WatchedWindows())
        if (IsWindow(w.window) && GetUpdateRect(w.window, NULL, FALSE))
            return true;
    return false;
}

// Dispatches this thread's messages until one of `message` has been dispatched (0: none awaited),
// `paints` watched paints have run since the call (0: none needed), and the queue holds nothing but
// timers, whose idle work nobody waits for and which stay queued. Returns that time, or -1 after 3 s.
inline double SettledAfter(UINT message, int paints = 0) {
    const int before = PaintsSeen();
    const double start = Now();
    bool seen = message == 0;
    while (Now() - start < 3000) {
        MSG msg;
        const bool any = PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) != FALSE;
        if (seen && PaintsSeen() - before >= paints && (!any || msg.message == WM_TIMER) && !AnythingToPaint())
            return Now();
        if (!any) {
            Sleep(0);
            continue;
        }
        PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE);
        if (msg.message == message)
            seen = true;
        DispatchMessageA(&msg);
    }
    return -1;
}

// Milliseconds from before `act` to the end of the last paint of a watched window it caused (or to
// its return, when it left nothing to paint); -1 when the paints never came. Work the program does
// after that without painting (posted or idle) is not waited for.
template <typename Act> double UntilPainted(Act act, UINT message = 0, int paints = 1) {
    SettledAfter(0);
    const double start = Now();
    act();
    const double returned = Now();
    if (SettledAfter(message, paints) < 0)
        return -1;
    return std::max(returned, LastPaintEnd()) - start;
}

// A row of the median of the rounds that gave a figure (-1: none), saying how many did not; "n/a"
// when none did.
inline void PrintRow(std::string label, const std::vector<double>& times, const char* target) {
    std::vector<double> valid;
    for (double t : times)
        if (t >= 0)
            valid.push_back(t);
    if (valid.size() < times.size())
        label += " (" + std::to_string(times.size() - valid.size()) + " of " + std::to_string(times.size()) +
                 " rounds gave no figure)";
    if (valid.empty())
        std::printf("ROW|%s|n/a|ms|%s\n", label.c_str(), target);
    else
        std::printf("ROW|%s|%.1f|ms|%s\n", label.c_str(), Median(valid), target);
    std::fflush(stdout);
}
