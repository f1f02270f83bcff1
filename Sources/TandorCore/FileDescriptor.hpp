#pragma once

#include <unistd.h>

#include <utility>

namespace tandor {

// Owns one open file descriptor and closes it on every way out.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.fd_, -1));
        }
        return *this;
    }
    ~FileDescriptor() { reset(); }

    int get() const { return fd_; }

    // Closes the current descriptor, if any, and takes fd in its place.
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

    // Gives the descriptor up without closing it: another owner closes it.
    [[nodiscard]] int release() { return std::exchange(fd_, -1); }

    // Closes now and returns close's result: some file systems report a failed
    // write only there.
    int close() { return ::close(std::exchange(fd_, -1)); }

  private:
    int fd_ = -1;
};

}  // namespace tandor
