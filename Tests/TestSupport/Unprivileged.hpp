#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <string>

// Running part of a test as an ordinary user: the machines run the tests as
// root, whom file permissions do not stop.
namespace tandor::testing {

// Root ignores file permissions, so permission cases run as this user and group
// when the tests run as root.
inline constexpr uid_t unprivilegedID = 1000;

// Runs action in a child process that first drops root's privileges as
// `setpriv --reuid=1000 --regid=1000 --clear-groups` does, and returns what the
// action returned, or "threw: " and the message when it threw. The child's
// changes to the disk are there afterwards; its changes to memory are not.
inline std::string runUnprivileged(const std::function<std::string()>& action) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string said;
        if (::getuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setregid(unprivilegedID, unprivilegedID) != 0 ||
             ::setreuid(unprivilegedID, unprivilegedID) != 0)) {
            said = "cannot drop privileges";
        } else {
            try {
                said = action();
            } catch (const std::exception& error) {
                said = std::string("threw: ") + error.what();
            }
        }
        const bool written =
            ::write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        std::_Exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return "the child failed: " + said;
    }
    return said;
}

}  // namespace tandor::testing
