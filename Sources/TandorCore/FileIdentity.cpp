#include "TandorCore/FileIdentity.hpp"

#include <sys/stat.h>

namespace tandor {

std::optional<FileIdentity> FileIdentity::of(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace tandor
