#include "TandorCore/SmallFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "TandorCore/FileDescriptor.hpp"

namespace tandor {

std::optional<std::string> smallFile(const std::string& path, std::size_t maximumSize) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maximumSize) {
        return std::nullopt;
    }
    std::string contents;
    contents.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return contents;
        }
        contents.append(buffer.data(), static_cast<std::size_t>(count));
        // The file may have grown since fstat.
        if (contents.size() > maximumSize) {
            return std::nullopt;
        }
    }
}

}  // namespace tandor
