#include "TandorCore/AtomicFile.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

void writeAll(int fd, std::string_view contents, const std::string& path) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError("Cannot write", path, errno);
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
}

// mkostemp puts six of these characters in place of "XXXXXX".
constexpr std::string_view temporaryAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t temporarySuffixLength = 6;
// Older than this, a temporary belongs to a save that was killed half-way; a
// younger one may belong to a save running in another process.
constexpr auto staleTemporaryAge = std::chrono::minutes(1);

// ".<name>.", the start of every temporary of the store named name.
std::string temporaryPrefix(const std::string& path) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + name.
    std::string prefix(1, '.');
    prefix += paths::lastComponent(path);
    prefix += '.';
    return prefix;
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + temporarySuffixLength || !name.starts_with(prefix)) {
        return false;
    }
    return name.substr(prefix.size()).find_first_not_of(temporaryAlphabet) ==
           std::string_view::npos;
}

bool isStale(const struct stat& info) {
    const auto modified = std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(info.st_mtim.tv_sec) +
            std::chrono::nanoseconds(info.st_mtim.tv_nsec)));
    return std::chrono::system_clock::now() - modified > staleTemporaryAge;
}

// Removes the stale temporaries of the store at path that lie in folder,
// regular files only. Best effort: a failure here must not fail the save.
void removeStaleTemporaries(const std::string& folder, const std::string& path) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing) {
        return;
    }
    const std::string prefix = temporaryPrefix(path);
    const int descriptor = ::dirfd(listing.get());
    while (const dirent* entry = ::readdir(listing.get())) {
        struct stat info {};
        if (isTemporaryName(entry->d_name, prefix) &&
            ::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && isStale(info)) {
            ::unlinkat(descriptor, entry->d_name, 0);
        }
    }
}

// Reads the file at path a piece at a time into take, until its end or until
// take answers false. False when no file is at path; any other failure throws
// FileError.
bool readInPieces(const std::string& path, LinkAtPath link,
                  const std::function<bool(std::string_view)>& take) {
    const FileDescriptor fd = openRegularFile(path, link);
    if (fd.get() < 0) {
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError("Cannot read", path, errno);
        }
        if (count == 0 || !take(std::string_view(buffer, static_cast<std::size_t>(count)))) {
            return true;
        }
    }
}

}  // namespace

// A pipe or a device put in a store's place would block its reader for good,
// so it is opened without waiting, then refused.
FileDescriptor openRegularFile(const std::string& path, LinkAtPath link) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY |
                      (link == LinkAtPath::refuse ? O_NOFOLLOW : 0);
    FileDescriptor fd(::open(path.c_str(), flags));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return fd;
        }
        throw FileError("Cannot read", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throw FileError("Cannot read", path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileError("Cannot read", path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    return fd;
}

void syncFolder(const std::string& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) {
        throw FileError("Cannot sync folder", folder, errno);
    }
}

FileDescriptor openForAppending(const std::string& path, int access) {
    const int flags = access | O_APPEND | O_CLOEXEC | O_NOFOLLOW;
    FileDescriptor fd(::open(path.c_str(), flags | O_CREAT | O_EXCL, 0600));
    if (fd.get() >= 0) {
        syncFolder(paths::deletingLastComponent(path));
        return fd;
    }
    if (errno == EEXIST) {
        // Without waiting: a pipe there would hold the writer until a reader came.
        fd.reset(::open(path.c_str(), flags | O_NONBLOCK));
    }
    if (fd.get() < 0) {
        throw FileError("Cannot open", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throw FileError("Cannot open", path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileError("Cannot open", path, EINVAL);
    }
    return fd;
}

void createFolders(const std::string& folder) {
    if (folder.empty() || folder == "/") {
        return;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) {
            throw FileError("Cannot create folder", folder, ENOTDIR);
        }
        return;
    }
    createFolders(paths::deletingLastComponent(folder));
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        throw FileError("Cannot create folder", folder, errno);
    }
}

void writeFileAtomically(const std::string& path, std::string_view contents) {
    const std::string parent = paths::deletingLastComponent(path);
    const std::string folder = parent.empty() ? std::string(".") : parent;
    createFolders(folder);
    removeStaleTemporaries(folder, path);

    std::string temporary = paths::join(folder, temporaryPrefix(path) + "XXXXXX");
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        throw FileError("Cannot create a temporary file in", folder, errno);
    }
    try {
        writeAll(fd.get(), contents, temporary);
        if (::fsync(fd.get()) != 0) {
            throw FileError("Cannot sync", temporary, errno);
        }
        if (fd.close() != 0) {
            throw FileError("Cannot write", temporary, errno);
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            throw FileError("Cannot replace", path, errno);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    syncFolder(folder);
}

std::optional<std::string> readFileIfPresent(const std::string& path, LinkAtPath link) {
    std::string contents;
    if (!readInPieces(path, link, [&](std::string_view piece) {
            contents.append(piece);
            return true;
        })) {
        return std::nullopt;
    }
    return contents;
}

bool fileHolds(const std::string& path, const std::optional<std::string>& text, LinkAtPath link) {
    std::string_view rest = text ? std::string_view(*text) : std::string_view();
    bool same = true;
    const bool present = readInPieces(path, link, [&](std::string_view piece) {
        same = rest.starts_with(piece);
        if (same) {
            rest.remove_prefix(piece.size());
        }
        return same;
    });
    return present == text.has_value() && same && rest.empty();
}

}  // namespace tandor
