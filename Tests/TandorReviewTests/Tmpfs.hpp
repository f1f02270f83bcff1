#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace tandor::testing {

// A tmpfs of its own on a folder for the object's lifetime: a small disk to
// fill up. Mounting needs root; failure() says why it could not mount.
class Tmpfs {
  public:
    Tmpfs(const std::string& folder, const std::string& size) : folder_(folder) {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) {
            failure_ = std::strerror(errno);
        }
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;
    ~Tmpfs() {
        if (!failure_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }

    const std::optional<std::string>& failure() const { return failure_; }

  private:
    std::string folder_;
    std::optional<std::string> failure_;
};

// Fills the disk with one file, a page at a time until no page is left, then
// gives back the given number of pages.
inline void fillLeaving(const std::string& file, long pages) {
    const long page = ::sysconf(_SC_PAGESIZE);
    const std::string block(static_cast<std::size_t>(page), 'f');
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    off_t size = 0;
    while (::write(fd, block.data(), block.size()) == page) {
        size += page;
    }
    ASSERT_EQ(errno, ENOSPC);
    ASSERT_EQ(::ftruncate(fd, size - pages * page), 0);
    ::close(fd);
}

}  // namespace tandor::testing
