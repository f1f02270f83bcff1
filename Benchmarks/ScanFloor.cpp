// The floor for a scan on this machine: eight threads (or as many as asked)
// that read folders with getdents64 and statx exactly as the scanner's fast
// reader does, and only sum the allocated sizes. No tree, no accounting:
// nothing a scanner could skip. More threads than cores pay on a cold cache,
// where reads wait on the disk.
//
//   scan-floor <folder> [--threads <n>]
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int defaultThreadCount = 8;
constexpr int mostThreads = 1024;
constexpr std::size_t bufferSize = 262'144;
constexpr unsigned attributes =
    STATX_TYPE | STATX_INO | STATX_NLINK | STATX_BLOCKS | STATX_SIZE | STATX_MTIME | STATX_ATIME;

// Folders still to read, shared by the threads; the walk is over when no folder
// is queued and no thread is reading one.
class Queue {
  public:
    void push(std::string folder) {
        {
            const std::lock_guard guard(lock_);
            folders_.push_back(std::move(folder));
        }
        ready_.notify_one();
    }
    bool pop(std::string& folder) {
        std::unique_lock guard(lock_);
        ready_.wait(guard, [this] { return !folders_.empty() || busy_ == 0; });
        if (folders_.empty()) {
            return false;
        }
        folder = std::move(folders_.back());
        folders_.pop_back();
        ++busy_;
        return true;
    }
    void done() {
        const std::lock_guard guard(lock_);
        if (--busy_ == 0 && folders_.empty()) {
            ready_.notify_all();
        }
    }

  private:
    std::mutex lock_;
    std::condition_variable ready_;
    std::vector<std::string> folders_;
    int busy_ = 0;
};

struct Totals {
    std::int64_t files = 0;
    std::int64_t folders = 0;
    std::int64_t bytes = 0;
};

void readFolder(const std::string& path, char* buffer, Queue& queue, Totals& totals) {
    const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        return;
    }
    ssize_t filled = 0;
    while ((filled = ::getdents64(folder, buffer, bufferSize)) > 0) {
        for (ssize_t at = 0; at < filled;) {
            std::uint16_t length = 0;
            std::memcpy(&length, buffer + at + 16, sizeof length);
            const char* name = buffer + at + 19;
            at += length;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
                continue;
            }
            struct statx status {};
            if (::statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, attributes, &status) !=
                0) {
                continue;
            }
            if (S_ISDIR(status.stx_mode)) {
                ++totals.folders;
                queue.push(path + "/" + name);
            } else {
                ++totals.files;
                totals.bytes += static_cast<std::int64_t>(status.stx_blocks * 512);
            }
        }
    }
    ::close(folder);
}

}  // namespace

int main(int argc, char** argv) {
    int threadCount = defaultThreadCount;
    if (argc == 4 && std::strcmp(argv[2], "--threads") == 0) {
        threadCount = std::atoi(argv[3]);
    }
    if ((argc != 2 && argc != 4) || threadCount < 1 || threadCount > mostThreads) {
        std::fprintf(stderr, "usage: scan-floor <folder> [--threads <1-%d>]\n", mostThreads);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Queue queue;
    queue.push(argv[1]);
    std::vector<Totals> totals(static_cast<std::size_t>(threadCount));
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&queue, &totals, t] {
            const auto buffer = std::make_unique<char[]>(bufferSize);
            std::string folder;
            while (queue.pop(folder)) {
                readFolder(folder, buffer.get(), queue, totals[static_cast<std::size_t>(t)]);
                queue.done();
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    Totals sum;
    for (const auto& part : totals) {
        sum.files += part.files;
        sum.folders += part.folders;
        sum.bytes += part.bytes;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("scan-floor: threads=%d files=%lld folders=%lld bytes=%lld seconds=%.3f\n",
                threadCount, static_cast<long long>(sum.files), static_cast<long long>(sum.folders),
                static_cast<long long>(sum.bytes), seconds);
    return 0;
}
