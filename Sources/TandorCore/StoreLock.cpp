#include "TandorCore/StoreLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

StoreLock::StoreLock(const std::string& storePath) : fd_(-1) {
    const std::string lockPath = storePath + ".lock";
    createFolders(paths::deletingLastComponent(lockPath));
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        throw FileError("Cannot open the lock file", lockPath, errno);
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(fd_);
            throw FileError("Cannot lock", lockPath, error);
        }
    }
}

StoreLock::~StoreLock() {
    ::close(fd_);
}

}  // namespace tandor
