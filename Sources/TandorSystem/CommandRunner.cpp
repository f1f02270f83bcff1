#include "TandorSystem/CommandRunner.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <thread>

#include "TandorCore/FileDescriptor.hpp"

namespace tandor {
namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    FileDescriptor readEnd;
    FileDescriptor writeEnd;

    bool open() {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            return false;
        }
        readEnd.reset(ends[0]);
        writeEnd.reset(ends[1]);
        return true;
    }
};

class FileActions {
  public:
    FileActions() { ::posix_spawn_file_actions_init(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    ~FileActions() { ::posix_spawn_file_actions_destroy(&actions_); }

    // Standard input from /dev/null, output and error into the pipes' write ends.
    bool connect(const Pipe& output, const Pipe& error) {
        return ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                  0) == 0 &&
               ::posix_spawn_file_actions_adddup2(&actions_, output.writeEnd.get(),
                                                  STDOUT_FILENO) == 0 &&
               ::posix_spawn_file_actions_adddup2(&actions_, error.writeEnd.get(), STDERR_FILENO) ==
                   0;
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

// The child leads a process group of its own, so that a kill reaches what it started.
class OwnProcessGroup {
  public:
    OwnProcessGroup() {
        ::posix_spawnattr_init(&attributes_);
        valid_ = ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP) == 0 &&
                 ::posix_spawnattr_setpgroup(&attributes_, 0) == 0;
    }
    OwnProcessGroup(const OwnProcessGroup&) = delete;
    OwnProcessGroup& operator=(const OwnProcessGroup&) = delete;
    ~OwnProcessGroup() { ::posix_spawnattr_destroy(&attributes_); }

    bool valid() const { return valid_; }
    const posix_spawnattr_t* get() const { return &attributes_; }

  private:
    posix_spawnattr_t attributes_;
    bool valid_ = false;
};

std::optional<pid_t> spawn(const std::string& executable, const std::vector<std::string>& arguments,
                           const FileActions& actions, const OwnProcessGroup& group) {
    std::vector<std::string> words{executable};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, executable.c_str(), actions.get(), group.get(), argv.data(),
                      environ) != 0) {
        return std::nullopt;
    }
    return child;
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left, 0, INT_MAX));
}

// Reads both pipes until both are closed. False when the deadline passes first,
// the output grows beyond maximumOutput or polling fails.
bool drain(Pipe& output, Pipe& error, std::string& collected, std::size_t maximumOutput,
           Clock::time_point deadline) {
    std::array<pollfd, 2> watched{
        {{output.readEnd.get(), POLLIN, 0}, {error.readEnd.get(), POLLIN, 0}}};
    std::array<char, 65536> buffer{};
    while (watched[0].fd >= 0 || watched[1].fd >= 0) {
        const int wait = millisecondsUntil(deadline);
        if (wait == 0) {
            return false;
        }
        const int ready = ::poll(watched.data(), watched.size(), wait);
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        for (std::size_t index = 0; ready > 0 && index < watched.size(); ++index) {
            if (watched[index].fd < 0 || watched[index].revents == 0) {
                continue;
            }
            const ssize_t count = ::read(watched[index].fd, buffer.data(), buffer.size());
            if (count > 0 && index == 0) {
                collected.append(buffer.data(), static_cast<std::size_t>(count));
                if (collected.size() > maximumOutput) {
                    return false;
                }
            } else if (count == 0 || (count < 0 && errno != EINTR && errno != EAGAIN)) {
                watched[index].fd = -1;
            }
        }
    }
    return true;
}

// The wait status of the child once it ended, or absent at the deadline.
std::optional<int> waitForExit(pid_t child, Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            return status;
        }
        if (ended < 0 && errno != EINTR) {
            return std::nullopt;
        }
        if (millisecondsUntil(deadline) == 0) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void killAndReap(pid_t child) {
    ::kill(-child, SIGKILL);
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

CommandRunner::CommandRunner(std::chrono::milliseconds timeout, std::size_t maximumOutput)
    : timeout_(timeout), maximumOutput_(maximumOutput) {
}

std::optional<CommandOutput> CommandRunner::run(const std::string& executable,
                                                const std::vector<std::string>& arguments) const {
    Pipe output;
    Pipe error;
    FileActions actions;
    OwnProcessGroup group;
    if (!output.open() || !error.open() || !actions.connect(output, error) || !group.valid()) {
        return std::nullopt;
    }
    const auto deadline = Clock::now() + timeout_;
    const auto child = spawn(executable, arguments, actions, group);
    if (!child) {
        return std::nullopt;
    }
    output.writeEnd.reset();
    error.writeEnd.reset();

    CommandOutput result;
    std::optional<int> status;
    if (drain(output, error, result.standardOutput, maximumOutput_, deadline)) {
        status = waitForExit(*child, deadline);
    }
    if (!status) {
        killAndReap(*child);
        return std::nullopt;
    }
    if (!WIFEXITED(*status)) {
        return std::nullopt;
    }
    result.exitStatus = WEXITSTATUS(*status);
    return result;
}

}  // namespace tandor
