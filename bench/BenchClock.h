// Wall-clock timing for the benchmark: the best of several rounds.
#pragma once

#include <windows.h>

inline double Seconds()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Shortest of `rounds` timings of `work`, each after `prepare` (untimed):
// other load on the machine only ever adds time.
template <typename Prepare, typename Work>
double BestOf(int rounds, Prepare prepare, Work work)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        const double start = Seconds();
        work();
        const double elapsed = Seconds() - start;
        if (elapsed < best) best = elapsed;
    }
    return best;
}
