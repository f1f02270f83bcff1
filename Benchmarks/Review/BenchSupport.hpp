#pragma once

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "RunTimings.hpp"

// What the review benchmarks share: a throw-away home folder, and the timing
// loop of all benchmarks.
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

}  // namespace tandor::bench
