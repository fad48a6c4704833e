#pragma once
// The CPU time this process has used so far, in seconds (all threads). Tests that a failing device
// leaves the program idle compare it before and after a stretch of running the event loop.
#include <ctime>

inline double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
