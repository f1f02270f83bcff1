#include "TandorCore/AtomicFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

void syncFolder(const std::string& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) {
        throw FileError("Cannot sync folder", folder, errno);
    }
}

}  // namespace

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

    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + name.
    std::string temporaryName(1, '.');
    temporaryName += paths::lastComponent(path);
    temporaryName += ".XXXXXX";
    std::string temporary = paths::join(folder, temporaryName);
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

std::optional<std::string> readFileIfPresent(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw FileError("Cannot read", path, errno);
    }
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError("Cannot read", path, errno);
        }
        if (count == 0) {
            return contents;
        }
        contents.append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace tandor
