#include "TandorReview/CrossDeviceMove.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

FileDescriptor openFolderAt(int folder, const std::string& name) {
    return FileDescriptor(::openat(folder, name.c_str(), folderFlags));
}

// The parent of path as the path names it: links above the moved item are the
// caller's to choose.
FolderDescriptor openParent(const std::string& path) {
    std::string parent = paths::deletingLastComponent(path);
    if (parent.empty()) {
        parent = ".";
    }
    FolderDescriptor folder(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid()) {
        throw FileError("Cannot open", parent, errno);
    }
    return folder;
}

struct stat statAt(int folder, const std::string& name, const std::string& path) {
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        throw FileError("Cannot read", path, errno);
    }
    return info;
}

bool isSameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What the copy meets when an entry of the tree was swapped for another or for
// a link after it was listed.
FileError changedWhileCopied(const std::string& path) {
    return FileError("Moved nothing: this changed while it was being copied:", path, ESTALE);
}

FileError openFailure(const std::string& path, int error) {
    return error == ELOOP || error == ENOTDIR ? changedWhileCopied(path)
                                              : FileError("Cannot read", path, error);
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

void writeAt(int out, const char* bytes, std::size_t count, off_t at, const std::string& to) {
    while (count > 0) {
        const ssize_t written = ::pwrite(out, bytes, count, at);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            throw FileError("Cannot write", to, errno);
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
        at += written;
    }
}

// Copies the bytes of in from begin up to end, or up to where in ends, to the
// same offsets of out, and returns the offset where it stopped.
off_t copyRange(int in, int out, off_t begin, off_t end, std::vector<char>& buffer,
                const std::string& from, const std::string& to) {
    off_t at = begin;
    while (at < end) {
        const auto wanted =
            static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(buffer.size()), end - at));
        const ssize_t count = ::pread(in, buffer.data(), wanted, at);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw FileError("Cannot read", from, errno);
        }
        if (count == 0) {
            break;
        }
        writeAt(out, buffer.data(), static_cast<std::size_t>(count), at, to);
        at += count;
    }
    return at;
}

// Copies only the data of in, so that its holes stay holes in out; where the
// file system cannot tell data from holes, all of it is data.
void copyContents(int in, int out, const struct stat& info, const std::string& from,
                  const std::string& to) {
    std::vector<char> buffer(1 << 16);
    constexpr off_t untilTheEnd = std::numeric_limits<off_t>::max();
    off_t reached = 0;
    for (;;) {
        const off_t data = ::lseek(in, reached, SEEK_DATA);
        if (data < 0 && errno == ENXIO) {
            break;
        }
        const off_t hole = data < 0 ? untilTheEnd : ::lseek(in, data, SEEK_HOLE);
        if (hole < 0) {
            throw FileError("Cannot read", from, errno);
        }
        const off_t begin = data < 0 ? reached : data;
        reached = copyRange(in, out, begin, hole, buffer, from, to);
        if (reached < hole) {
            break;
        }
    }
    // A hole at the end is only a length.
    if (::ftruncate(out, std::max(reached, info.st_size)) != 0) {
        throw FileError("Cannot write", to, errno);
    }
}

std::vector<std::string> entryNames(int folder, const std::string& path) {
    const int fd = ::openat(folder, ".", folderFlags);
    DIR* stream = fd < 0 ? nullptr : ::fdopendir(fd);
    if (stream == nullptr) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        throw FileError("Cannot read", path, error);
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
        throw FileError("Cannot read", path, error);
    }
    return names;
}

std::string linkTarget(int folder, const std::string& name, const std::string& path,
                       const struct stat& info) {
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
        if (length < 0) {
            throw FileError("Cannot read the link", path, errno);
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// Removes what is at name in folder, a folder with everything in it, as far as
// it can.
void removeTreeQuietly(int folder, const std::string& name) {
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return;
    }
    if (!S_ISDIR(info.st_mode)) {
        ::unlinkat(folder, name.c_str(), 0);
        return;
    }
    const FileDescriptor opened = openFolderAt(folder, name);
    if (opened.get() >= 0) {
        try {
            for (const auto& entry : entryNames(opened.get(), name)) {
                removeTreeQuietly(opened.get(), entry);
            }
        } catch (const FileError&) {
            // What cannot be listed stays, and so does the folder.
        }
    }
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
}

// Same entry, same size, same modification time: nothing has been written to it
// since it was read for its copy.
bool isAsCopied(const struct stat& copied, const struct stat& now) {
    return isSameEntry(copied, now) && copied.st_size == now.st_size &&
           copied.st_mtim.tv_sec == now.st_mtim.tv_sec &&
           copied.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

constexpr int changedSinceCopy = -1;

// Unlinks name in folder only while it is the entry copied, as it was copied.
// Returns 0 when it is gone, changedSinceCopy when it stays because it changed,
// else the errno of the failure that kept it.
int removeIfUnchanged(int folder, const std::string& name, const struct stat& copied) {
    struct stat now {};
    if (::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (!isAsCopied(copied, now)) {
        return changedSinceCopy;
    }
    if (::unlinkat(folder, name.c_str(), 0) != 0 && errno != ENOENT) {
        return errno;
    }
    return 0;
}

}  // namespace

CrossDeviceMove::CrossDeviceMove(std::string from, std::string to, Observer afterEachCopy)
    : from_(std::move(from)), to_(std::move(to)), afterEachCopy_(std::move(afterEachCopy)) {
}

CrossDeviceMove::Place CrossDeviceMove::Place::below(int sourceFolder, int targetFolder,
                                                     const std::string& name) const {
    return {sourceFolder,
            targetFolder,
            name,
            name,
            paths::join(source, name),
            paths::join(target, name),
            paths::join(targetBelow, name)};
}

MoveOutcome CrossDeviceMove::run() {
    sourceParent_ = openParent(from_);
    targetParent_ = openParent(to_);
    const std::string sourceName = paths::lastComponent(from_);
    const std::string targetName = paths::lastComponent(to_);
    const Place top{sourceParent_.get(), targetParent_.get(), sourceName, targetName, from_, to_,
                    targetName};
    bool made = false;
    Copied copied;
    try {
        copied = copyItem(top, made);
    } catch (...) {
        if (made) {
            removeTreeQuietly(targetParent_.get(), targetName);
        }
        throw;
    }
    if (S_ISDIR(copied.info.st_mode)) {
        std::vector<std::string> leftBehind;
        removeCopied(sourceParent_.get(), copied, from_, leftBehind);
        std::sort(leftBehind.begin(), leftBehind.end());
        return {to_, std::move(leftBehind)};
    }
    const int error = removeIfUnchanged(sourceParent_.get(), sourceName, copied.info);
    if (error == changedSinceCopy) {
        return {to_, {from_}};
    }
    // Nothing of a single item was removed, so undoing the copy leaves no move.
    if (error != 0) {
        removeTreeQuietly(targetParent_.get(), targetName);
        throw FileError("Cannot move", from_, error);
    }
    return {to_, {}};
}

void CrossDeviceMove::removeCopied(int folder, const Copied& entry, const std::string& path,
                                   std::vector<std::string>& leftBehind) {
    if (!S_ISDIR(entry.info.st_mode)) {
        if (removeIfUnchanged(folder, entry.name, entry.info) != 0) {
            leftBehind.push_back(path);
        }
        return;
    }
    const FileDescriptor opened = openFolderAt(folder, entry.name);
    if (opened.get() < 0) {
        if (errno != ENOENT) {
            leftBehind.push_back(path);
        }
        return;
    }
    struct stat now {};
    if (::fstat(opened.get(), &now) != 0 || !isSameEntry(now, entry.info)) {
        leftBehind.push_back(path);
        return;
    }
    for (auto child = entry.entries.rbegin(); child != entry.entries.rend(); ++child) {
        removeCopied(opened.get(), *child, paths::join(path, child->name), leftBehind);
    }
    if (::unlinkat(folder, entry.name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT) {
        listWhatStayed(opened.get(), path, errno, entry, leftBehind);
    }
}

void CrossDeviceMove::listWhatStayed(int folder, const std::string& path, int removeError,
                                     const Copied& entry, std::vector<std::string>& leftBehind) {
    if (removeError != ENOTEMPTY && removeError != EEXIST) {
        leftBehind.push_back(path);
        return;
    }
    std::vector<std::string> names;
    try {
        names = entryNames(folder, path);
    } catch (const FileError&) {
        leftBehind.push_back(path);
        return;
    }
    std::unordered_set<std::string_view> copiedNames;
    for (const auto& child : entry.entries) {
        copiedNames.insert(child.name);
    }
    for (const auto& name : names) {
        if (!copiedNames.contains(name)) {
            leftBehind.push_back(paths::join(path, name));
        }
    }
}

CrossDeviceMove::Copied CrossDeviceMove::copyItem(const Place& place, bool& made) {
    const struct stat info = statAt(place.sourceFolder, place.sourceName, place.source);
    if (S_ISREG(info.st_mode)) {
        return copyFile(place, made);
    }
    if (S_ISDIR(info.st_mode)) {
        return copyFolder(place, made);
    }
    if (S_ISLNK(info.st_mode)) {
        return copyLink(place, info, made);
    }
    // Pipes, sockets and devices cannot be carried over as what they are.
    throw FileError("Cannot copy", place.source, ENOTSUP);
}

CrossDeviceMove::Copied CrossDeviceMove::copyFile(const Place& place, bool& made) {
    // Non-blocking, so that a pipe put in the file's place cannot hold the move.
    const FileDescriptor in(::openat(place.sourceFolder, place.sourceName.c_str(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0) {
        throw openFailure(place.source, errno);
    }
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) {
        throw FileError("Cannot read", place.source, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw changedWhileCopied(place.source);
    }
    const std::pair key{info.st_dev, info.st_ino};
    if (info.st_nlink > 1) {
        if (const auto first = firstCopies_.find(key); first != firstCopies_.end()) {
            return linkToFirstCopy(place, first->second, made);
        }
    }
    const FileDescriptor out(::openat(place.targetFolder, place.targetName.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0) {
        throw FileError("Cannot create", place.target, errno);
    }
    made = true;
    copyContents(in.get(), out.get(), info, place.source, place.target);
    keepModeAndTimes(out.get(), place.target, info);
    syncOrThrow(out.get(), place.target);
    if (info.st_nlink > 1) {
        FirstCopy first{
            paths::deletingLastComponent(place.targetBelow), place.targetName, info, {}};
        if (::fstat(out.get(), &first.target) != 0) {
            throw FileError("Cannot read", place.target, errno);
        }
        firstCopies_.emplace(key, std::move(first));
    }
    reportCopied(place.source);
    // What the copy holds is the file as fstat saw it before the first read.
    return {place.sourceName, info, {}};
}

CrossDeviceMove::Copied CrossDeviceMove::linkToFirstCopy(const Place& place, const FirstCopy& first,
                                                         bool& made) {
    const FolderDescriptor folder = FolderDescriptor::openBelow(targetParent_, first.folderBelow);
    if (!folder.isValid() || ::linkat(folder.get(), first.name.c_str(), place.targetFolder,
                                      place.targetName.c_str(), 0) != 0) {
        throw FileError("Cannot create the link", place.target, errno);
    }
    made = true;
    // The name reached the first copy through folders of the copy alone; it
    // is still that copy unless someone replaced it there.
    if (!isSameEntry(statAt(place.targetFolder, place.targetName, place.target), first.target)) {
        throw changedWhileCopied(place.target);
    }
    reportCopied(place.source);
    // Both names hold the file as it was copied the first time.
    return {place.sourceName, first.copied, {}};
}

CrossDeviceMove::Copied CrossDeviceMove::copyFolder(const Place& place, bool& made) {
    const FileDescriptor source = openFolderAt(place.sourceFolder, place.sourceName);
    if (source.get() < 0) {
        throw openFailure(place.source, errno);
    }
    Copied copied{place.sourceName, {}, {}};
    if (::fstat(source.get(), &copied.info) != 0) {
        throw FileError("Cannot read", place.source, errno);
    }
    if (::mkdirat(place.targetFolder, place.targetName.c_str(), 0700) != 0) {
        throw FileError("Cannot create folder", place.target, errno);
    }
    made = true;
    const FileDescriptor target = openFolderAt(place.targetFolder, place.targetName);
    if (target.get() < 0) {
        throw FileError("Cannot open", place.target, errno);
    }
    for (const auto& name : entryNames(source.get(), place.source)) {
        bool childMade = false;
        copied.entries.push_back(
            copyItem(place.below(source.get(), target.get(), name), childMade));
    }
    // Last, because adding the entries changed the folder's own dates.
    keepModeAndTimes(target.get(), place.target, copied.info);
    syncOrThrow(target.get(), place.target);
    // Moved away meanwhile, the folder copied may have come from anywhere.
    struct stat now {};
    if (::fstatat(place.sourceFolder, place.sourceName.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !isSameEntry(now, copied.info)) {
        throw changedWhileCopied(place.source);
    }
    reportCopied(place.source);
    return copied;
}

CrossDeviceMove::Copied CrossDeviceMove::copyLink(const Place& place, const struct stat& info,
                                                  bool& made) {
    const std::string target = linkTarget(place.sourceFolder, place.sourceName, place.source, info);
    if (::symlinkat(target.c_str(), place.targetFolder, place.targetName.c_str()) != 0) {
        throw FileError("Cannot create the link", place.target, errno);
    }
    made = true;
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::utimensat(place.targetFolder, place.targetName.c_str(), times, AT_SYMLINK_NOFOLLOW) !=
        0) {
        throw FileError("Cannot set the dates of", place.target, errno);
    }
    reportCopied(place.source);
    return {place.sourceName, info, {}};
}

void CrossDeviceMove::reportCopied(const std::string& source) {
    if (afterEachCopy_) {
        afterEachCopy_(source);
    }
}

}  // namespace tandor
