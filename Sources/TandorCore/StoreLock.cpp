#include "TandorCore/StoreLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

StoreLock::StoreLock(const std::string& storePath) : StoreLock(storePath, true) {
}

StoreLock::StoreLock(const std::string& storePath, bool wait) : fd_(-1) {
    const std::string lockPath = storePath + ".lock";
    createFolders(paths::deletingLastComponent(lockPath));
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        throw FileError("Cannot open the lock file", lockPath, errno);
    }
    while (::flock(fd_, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
        if (!wait && errno == EWOULDBLOCK) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        if (errno != EINTR) {
            const int error = errno;
            ::close(fd_);
            throw FileError("Cannot lock", lockPath, error);
        }
    }
}

StoreLock::~StoreLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::unique_ptr<StoreLock> StoreLock::tryTake(const std::string& storePath) {
    std::unique_ptr<StoreLock> lock(new StoreLock(storePath, false));
    return lock->fd_ >= 0 ? std::move(lock) : nullptr;
}

}  // namespace tandor
