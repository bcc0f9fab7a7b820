#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median time of one call of `run`, in microseconds, after a warm-up.
template<typename Run> double medianMicros(int rounds, Run run)
{
    for (int i = 0; i < rounds / 10 + 1; ++i)
        run();
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return median(times);
}
