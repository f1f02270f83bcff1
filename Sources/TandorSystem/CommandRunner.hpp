#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tandor {

// What a command that ran to its end left behind.
struct CommandOutput {
    int exitStatus = 0;
    std::string standardOutput;
};

// Runs one executable with a fixed argument vector, never through a shell.
// Its standard output is collected and its standard error drained and dropped,
// both at once, so a child that fills either pipe never stalls; its standard
// input is /dev/null. A child still running at the time limit is killed
// together with the processes it started.
class CommandRunner {
  public:
    static constexpr std::chrono::milliseconds defaultTimeout{30'000};
    static constexpr std::size_t defaultMaximumOutput = 16 * 1024 * 1024;

    explicit CommandRunner(std::chrono::milliseconds timeout = defaultTimeout,
                           std::size_t maximumOutput = defaultMaximumOutput);

    // executable is an absolute path; arguments follow it (argv[0] is the
    // executable). Absent when the command cannot be started, has not ended and
    // closed its output by the time limit (a process it left behind holding the
    // pipes counts as still running), writes more than the maximum to standard
    // output, or is ended by a signal. Blocks the calling thread until then.
    std::optional<CommandOutput> run(const std::string& executable,
                                     const std::vector<std::string>& arguments) const;

  private:
    std::chrono::milliseconds timeout_;
    std::size_t maximumOutput_;
};

}  // namespace tandor
