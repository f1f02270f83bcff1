#include "TandorReview/FileMover.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/MoveError.hpp"

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

// Each copy sets made to true as soon as it has created its own item at `to`,
// so that the caller knows whether there is anything of its own to remove.
void copyItem(const std::string& from, const std::string& to, bool& made);

void copyFile(const std::string& from, const std::string& to, const struct stat& info, bool& made) {
    const FileDescriptor in(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0) {
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

void copyFolder(const std::string& from, const std::string& to, const struct stat& info,
                bool& made) {
    if (::mkdir(to.c_str(), 0700) != 0) {
        throw FileError("Cannot create folder", to, errno);
    }
    made = true;
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

void copyLink(const std::string& from, const std::string& to, const struct stat& info, bool& made) {
    if (::symlink(linkTarget(from, info).c_str(), to.c_str()) != 0) {
        throw FileError("Cannot create the link", to, errno);
    }
    made = true;
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::utimensat(AT_FDCWD, to.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        throw FileError("Cannot set the dates of", to, errno);
    }
}

void copyItem(const std::string& from, const std::string& to, bool& made) {
    const struct stat info = lstatOrThrow(from);
    if (S_ISREG(info.st_mode)) {
        copyFile(from, to, info, made);
    } else if (S_ISDIR(info.st_mode)) {
        copyFolder(from, to, info, made);
    } else if (S_ISLNK(info.st_mode)) {
        copyLink(from, to, info, made);
    } else {
        // Pipes, sockets and devices cannot be carried over as what they are.
        throw FileError("Cannot copy", from, ENOTSUP);
    }
}

void removeTree(const std::string& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    if (error) {
        throw FileError("Cannot remove", path, error.value());
    }
}

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

void copyAcrossDevices(const std::string& from, const std::string& to) {
    bool made = false;
    try {
        copyItem(from, to, made);
    } catch (...) {
        if (made) {
            removeQuietly(to);
        }
        throw;
    }
    if (S_ISDIR(lstatOrThrow(from).st_mode)) {
        removeTree(from);
        return;
    }
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        removeQuietly(to);
        throw FileError("Cannot move", from, error);
    }
}

}  // namespace

std::string FileMover::clean(std::string_view path) {
    std::vector<std::string_view> kept;
    for (const auto piece : paths::components(path)) {
        if (piece == ".") {
            continue;
        }
        if (piece == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
            continue;
        }
        kept.push_back(piece);
    }
    std::string cleaned = path.starts_with('/') ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            cleaned += '/';
        }
        cleaned += kept[i];
    }
    return cleaned;
}

std::string FileMover::freeName(std::string_view name, std::string_view folder) {
    std::string candidate = paths::join(folder, name);
    if (!exists(candidate)) {
        return candidate;
    }
    const std::string extension = paths::extension(name);
    const std::string_view stem =
        extension.empty() ? name : name.substr(0, name.size() - extension.size() - 1);
    for (unsigned long long number = 2;; ++number) {
        std::string numbered = std::string(stem) + " " + std::to_string(number);
        if (!extension.empty()) {
            numbered += "." + extension;
        }
        candidate = paths::join(folder, numbered);
        if (!exists(candidate)) {
            return candidate;
        }
    }
}

bool FileMover::exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

MoveOutcome FileMover::move(const std::string& source, const std::string& folder) const {
    const std::string cleanSource = clean(source);
    const std::string cleanFolder = clean(folder);
    if (!exists(cleanSource)) {
        throw MoveError::sourceMissing(source);
    }
    if (paths::deletingLastComponent(cleanSource) == cleanFolder) {
        throw MoveError::alreadyThere(source);
    }
    if (cleanFolder == cleanSource || paths::isInside(cleanFolder, cleanSource)) {
        throw MoveError::intoItself(source);
    }
    createFolders(cleanFolder);
    const std::string target = freeName(paths::lastComponent(cleanSource), cleanFolder);
    return moveItem(cleanSource, target);
}

MoveOutcome FileMover::moveItem(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return {to, {}};
    }
    if (errno != EXDEV) {
        throw FileError("Cannot move " + from + " to", to, errno);
    }
    copyAcrossDevices(from, to);
    return {to, {}};
}

}  // namespace tandor
