#include "TandorCore/OpenWithoutAccessTime.hpp"

#include <fcntl.h>

#include <cerrno>

namespace tandor {

int openWithoutAccessTime(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM) {
        return ::open(path.c_str(), flags);
    }
    return fd;
}

}  // namespace tandor
