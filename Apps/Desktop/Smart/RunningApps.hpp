#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace tandor {

// Which installed applications are running now, by bundle identifier.
class RunningApps {
  public:
    virtual ~RunningApps() = default;
    // Exact, case-sensitive comparison.
    virtual bool isRunning(const std::string& bundleID) const = 0;
};

// Reads the running processes' executables from /proc: a process runs an
// application when its executable lies inside a ".app" bundle (the innermost
// one counts). The identifiers found are kept for at most a second, so that
// redrawing a footer many times reads /proc once. Processes whose executable
// cannot be read (another user's) are left out.
class ProcRunningApps final : public RunningApps {
  public:
    explicit ProcRunningApps(std::string procFolder = "/proc");

    bool isRunning(const std::string& bundleID) const override;
    // A fresh read of every running application's identifier.
    std::set<std::string> bundleIDs() const;

    // The bundle enclosing an executable path ("/A/X.app/Contents/MacOS/x"
    // gives "/A/X.app"); none outside a bundle.
    static std::optional<std::string> enclosingBundle(const std::string& executable);

  private:
    using Clock = std::chrono::steady_clock;

    std::string procFolder_;
    mutable std::mutex mutex_;
    mutable std::optional<Clock::time_point> readAt_;
    mutable std::set<std::string> cached_;
};

}  // namespace tandor
