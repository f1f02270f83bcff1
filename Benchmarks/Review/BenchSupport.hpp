#pragma once

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// What the review benchmarks share: a throw-away home folder and the
// percentiles of a list of timings.
namespace tandor::bench {

// Points HOME and the XDG folders into a fresh temporary folder, so that the
// stores and the Trash a benchmark writes are its own.
class TemporaryHome {
  public:
    TemporaryHome() {
        if (!folder_.isValid()) {
            std::fprintf(stderr, "cannot create a temporary folder\n");
            std::exit(1);
        }
        ::setenv("HOME", path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (path() + "/.local/share").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (path() + "/.config").c_str(), 1);
    }

    std::string path() const { return folder_.path().toStdString(); }
    std::string operator/(const std::string& relative) const { return path() + "/" + relative; }

  private:
    QTemporaryDir folder_;
};

inline double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
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
