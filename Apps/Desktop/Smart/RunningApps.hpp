#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "TandorApps/AppBundle.hpp"

namespace tandor {

// Which installed applications are running now.
class RunningApps {
  public:
    virtual ~RunningApps() = default;
    // A bundle by its identifier (exact, case-sensitive comparison); an
    // AppImage by its path.
    virtual bool isRunning(const AppBundle& app) const = 0;
};

// Reads the running processes from /proc: a process runs a bundle when its
// executable lies inside a ".app" bundle (the innermost one counts), and an
// AppImage when the AppImage is its executable or its APPIMAGE environment
// variable. What was found is kept for at most a second, so that redrawing a
// footer many times reads /proc once. What the user may not read (another
// user's processes) is left out.
class ProcRunningApps final : public RunningApps {
  public:
    // What runs at one moment.
    struct Snapshot {
        std::set<std::string> bundleIDs;
        // Executables and APPIMAGE values, as the processes give them.
        std::set<std::string> programs;
    };

    explicit ProcRunningApps(std::string procFolder = "/proc");

    bool isRunning(const AppBundle& app) const override;
    // A fresh read of every process.
    Snapshot snapshot() const;

    // The bundle enclosing an executable path ("/A/X.app/Contents/MacOS/x"
    // gives "/A/X.app"); none outside a bundle.
    static std::optional<std::string> enclosingBundle(const std::string& executable);

  private:
    using Clock = std::chrono::steady_clock;

    std::string procFolder_;
    mutable std::mutex mutex_;
    mutable std::optional<Clock::time_point> readAt_;
    mutable Snapshot cached_;
};

}  // namespace tandor
