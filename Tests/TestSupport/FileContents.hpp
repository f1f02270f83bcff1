#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

// Plain file helpers for building and checking fixtures.
namespace tandor::testing {

// Writes contents to path, creating the folders above it; a fixture that
// cannot be written stops the test.
inline void writeFile(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << contents;
    if (!stream) {
        throw std::runtime_error("cannot write " + path);
    }
}

// Whether anything, a dangling link included, is at path.
// A file of bytes allocated bytes, last changed and last read daysAgo days
// ago, as old files that rules and automations pick; a fixture that cannot be
// made stops the test.
inline void writeAgedFile(const std::string& path, std::int64_t bytes, int daysAgo) {
    writeFile(path, "x");
    const int file = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    const bool allocated = file >= 0 && ::posix_fallocate(file, 0, bytes) == 0;
    if (file >= 0) {
        ::close(file);
    }
    const timespec then{.tv_sec = ::time(nullptr) - daysAgo * 86'400L, .tv_nsec = 0};
    const timespec times[] = {then, then};
    if (!allocated || ::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
        throw std::runtime_error("cannot age " + path);
    }
}

inline bool isThere(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The bytes the disk gives the item at path (0 when nothing is there).
inline std::int64_t allocatedBytes(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return static_cast<std::int64_t>(info.st_blocks) * 512;
}

// The bytes of the file at path ("" when it cannot be read).
inline std::string contentsOf(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

}  // namespace tandor::testing
