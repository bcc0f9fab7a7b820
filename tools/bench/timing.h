#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds of CPU time the process has spent: unlike the time on the
// clock, other work on a busy machine leaves it alone.
inline double cpuMicros()
{
    return 1e6 * std::clock() / CLOCKS_PER_SEC;
}

// Median CPU time of one call of `run`, in microseconds, after a warm-up.
template<typename Run> double medianMicros(int rounds, Run run)
{
    for (int i = 0; i < rounds / 10 + 1; ++i)
        run();
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = cpuMicros();
        run();
        times.push_back(cpuMicros() - start);
    }
    return median(times);
}
