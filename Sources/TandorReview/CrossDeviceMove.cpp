#include "TandorReview/CrossDeviceMove.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

struct stat lstatOrThrow(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        throw FileError("Cannot read", path, errno);
    }
    return info;
}

void syncOrThrow(int fd, const std::string& path) {
    if (::fsync(fd) != 0) {
        throw FileError("Cannot sync", path, errno);
    }
}

void keepModeAndTimes(int fd, const std::string& path, const struct stat& info) {
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::fchmod(fd, info.st_mode & 07777) != 0 || ::futimens(fd, times) != 0) {
        throw FileError("Cannot set the mode and dates of", path, errno);
    }
}

void copyContents(int in, int out, const std::string& from, const std::string& to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t count = ::read(in, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw FileError("Cannot read", from, errno);
        }
        if (count == 0) {
            return;
        }
        auto remaining = static_cast<std::size_t>(count);
        const char* next = buffer.data();
        while (remaining > 0) {
            const ssize_t written = ::write(out, next, remaining);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                throw FileError("Cannot write", to, errno);
            }
            remaining -= static_cast<std::size_t>(written);
            next += written;
        }
    }
}

std::vector<std::string> entryNames(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* stream = fd < 0 ? nullptr : ::fdopendir(fd);
    if (stream == nullptr) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        throw FileError("Cannot read", folder, error);
    }
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    const int error = errno;
    ::closedir(stream);
    if (error != 0) {
        throw FileError("Cannot read", folder, error);
    }
    return names;
}

std::string linkTarget(const std::string& link, const struct stat& info) {
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
        if (length < 0) {
            throw FileError("Cannot read the link", link, errno);
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

// Same entry, same size, same modification time: nothing has been written to it
// since it was read for its copy.
bool isAsCopied(const struct stat& copied, const struct stat& now) {
    return copied.st_dev == now.st_dev && copied.st_ino == now.st_ino &&
           copied.st_size == now.st_size && copied.st_mtim.tv_sec == now.st_mtim.tv_sec &&
           copied.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

constexpr int changedSinceCopy = -1;

// Unlinks the entry at path only while it is the one copied, as it was copied.
// Returns 0 when it is gone, changedSinceCopy when it stays because it changed,
// else the errno of the failure that kept it.
int removeIfUnchanged(const std::string& path, const struct stat& copied) {
    struct stat now {};
    if (::lstat(path.c_str(), &now) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? 0 : errno;
    }
    if (!isAsCopied(copied, now)) {
        return changedSinceCopy;
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return errno;
    }
    return 0;
}

}  // namespace

CrossDeviceMove::CrossDeviceMove(std::string from, std::string to, Observer afterEachCopy)
    : from_(std::move(from)), to_(std::move(to)), afterEachCopy_(std::move(afterEachCopy)) {
}

MoveOutcome CrossDeviceMove::run() {
    bool made = false;
    try {
        copyItem(from_, to_, made);
    } catch (...) {
        if (made) {
            removeQuietly(to_);
        }
        throw;
    }
    if (S_ISDIR(copied_.front().info.st_mode)) {
        return {to_, removeCopied()};
    }
    const int error = removeIfUnchanged(from_, copied_.front().info);
    if (error == changedSinceCopy) {
        return {to_, {from_}};
    }
    // Nothing of a single item was removed, so undoing the copy leaves no move.
    if (error != 0) {
        removeQuietly(to_);
        throw FileError("Cannot move", from_, error);
    }
    return {to_, {}};
}

std::vector<std::string> CrossDeviceMove::removeCopied() const {
    std::unordered_set<std::string_view> copiedPaths;
    for (const auto& entry : copied_) {
        copiedPaths.insert(entry.path);
    }
    std::vector<std::string> leftBehind;
    for (auto entry = copied_.rbegin(); entry != copied_.rend(); ++entry) {
        if (!S_ISDIR(entry->info.st_mode)) {
            if (removeIfUnchanged(entry->path, entry->info) != 0) {
                leftBehind.push_back(entry->path);
            }
        } else if (::rmdir(entry->path.c_str()) != 0 && errno != ENOENT) {
            listWhatStayed(entry->path, errno, copiedPaths, leftBehind);
        }
    }
    std::sort(leftBehind.begin(), leftBehind.end());
    return leftBehind;
}

void CrossDeviceMove::listWhatStayed(const std::string& folder, int removeError,
                                     const std::unordered_set<std::string_view>& copiedPaths,
                                     std::vector<std::string>& leftBehind) {
    if (removeError != ENOTEMPTY && removeError != EEXIST) {
        leftBehind.push_back(folder);
        return;
    }
    std::vector<std::string> names;
    try {
        names = entryNames(folder);
    } catch (const FileError&) {
        leftBehind.push_back(folder);
        return;
    }
    for (const auto& name : names) {
        std::string path = paths::join(folder, name);
        if (!copiedPaths.contains(path)) {
            leftBehind.push_back(std::move(path));
        }
    }
}

void CrossDeviceMove::copyItem(const std::string& from, const std::string& to, bool& made) {
    const struct stat info = lstatOrThrow(from);
    if (S_ISREG(info.st_mode)) {
        copyFile(from, to, made);
    } else if (S_ISDIR(info.st_mode)) {
        copyFolder(from, to, info, made);
    } else if (S_ISLNK(info.st_mode)) {
        copyLink(from, to, info, made);
    } else {
        // Pipes, sockets and devices cannot be carried over as what they are.
        throw FileError("Cannot copy", from, ENOTSUP);
    }
}

void CrossDeviceMove::copyFile(const std::string& from, const std::string& to, bool& made) {
    const FileDescriptor in(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0) {
        throw FileError("Cannot read", from, errno);
    }
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) {
        throw FileError("Cannot read", from, errno);
    }
    const FileDescriptor out(
        ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0) {
        throw FileError("Cannot create", to, errno);
    }
    made = true;
    copyContents(in.get(), out.get(), from, to);
    keepModeAndTimes(out.get(), to, info);
    syncOrThrow(out.get(), to);
    // What the copy holds is the file as fstat saw it before the first read.
    copied_.push_back({from, info});
    reportCopied(from);
}

void CrossDeviceMove::copyFolder(const std::string& from, const std::string& to,
                                 const struct stat& info, bool& made) {
    if (::mkdir(to.c_str(), 0700) != 0) {
        throw FileError("Cannot create folder", to, errno);
    }
    made = true;
    copied_.push_back({from, info});
    for (const auto& name : entryNames(from)) {
        bool childMade = false;
        copyItem(paths::join(from, name), paths::join(to, name), childMade);
    }
    // Last, because adding the entries changed the folder's own dates.
    const FileDescriptor folder(
        ::open(to.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0) {
        throw FileError("Cannot open", to, errno);
    }
    keepModeAndTimes(folder.get(), to, info);
    syncOrThrow(folder.get(), to);
    reportCopied(from);
}

void CrossDeviceMove::copyLink(const std::string& from, const std::string& to,
                               const struct stat& info, bool& made) {
    if (::symlink(linkTarget(from, info).c_str(), to.c_str()) != 0) {
        throw FileError("Cannot create the link", to, errno);
    }
    made = true;
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::utimensat(AT_FDCWD, to.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        throw FileError("Cannot set the dates of", to, errno);
    }
    copied_.push_back({from, info});
    reportCopied(from);
}

void CrossDeviceMove::reportCopied(const std::string& source) {
    if (afterEachCopy_) {
        afterEachCopy_(source);
    }
}

}  // namespace tandor
