// Runs a command and reports its wall time and peak resident memory on
// standard error. Kept tiny on purpose: Linux carries a process's peak over
// into the program it starts, so a large launcher would hide a small program's
// own peak.
//
//   measure-run <program> [arguments...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure-run <program> [arguments...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("measure-run: fork");
        return 1;
    }
    if (child == 0) {
        ::execvp(argv[1], argv + 1);
        std::perror("measure-run: exec");
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) {
        std::perror("measure-run: wait");
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "measure-run: seconds=%.4f peak_rss_kb=%ld\n", seconds, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
