#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

// The timing loop the benchmarks share: run a step a number of times, keep
// how long each run took, and read percentiles off the timings.
namespace tandor::bench {

inline double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// How long each of runs calls of step took, in milliseconds, in call order.
template <typename Step>
std::vector<double> timeRuns(int runs, Step&& step) {
    std::vector<double> timings;
    timings.reserve(static_cast<std::size_t>(std::max(runs, 0)));
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        step();
        timings.push_back(millisecondsSince(start));
    }
    return timings;
}

// The value below which the given share of the timings lies (nearest rank).
inline double percentile(std::vector<double> timings, double share) {
    if (timings.empty()) {
        return 0;
    }
    std::sort(timings.begin(), timings.end());
    const auto rank =
        static_cast<std::size_t>(share * static_cast<double>(timings.size() - 1) + 0.5);
    return timings[std::min(rank, timings.size() - 1)];
}

}  // namespace tandor::bench
