#include "Assistant/FileStamp.hpp"

#include <sys/stat.h>

namespace tandor {

std::optional<FileStamp> FileStamp::of(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
        static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

}  // namespace tandor
