#include "TandorScanner/LstatDirectoryReader.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "TandorScanner/FileInfo.hpp"
#include "TandorScanner/FolderDescriptor.hpp"

namespace tandor {
namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

bool isDotOrDotDot(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

std::optional<DirectoryListing> LstatDirectoryReader::list(const std::string& folder) const {
    FolderDescriptor descriptor = FolderDescriptor::open(folder);
    struct stat status {};
    if (!descriptor.isValid() || ::fstat(descriptor.get(), &status) != 0) {
        return std::nullopt;
    }
    std::unique_ptr<DIR, DirectoryCloser> directory(::fdopendir(descriptor.get()));
    if (!directory) {
        return std::nullopt;
    }
    descriptor.release();

    DirectoryListing listing{.device = static_cast<std::uint64_t>(status.st_dev), .entries = {}};
    const int base = ::dirfd(directory.get());
    while (true) {
        errno = 0;
        const dirent* item = ::readdir(directory.get());
        if (item == nullptr) {
            if (errno != 0) {
                return std::nullopt;
            }
            return listing;
        }
        if (isDotOrDotDot(item->d_name)) {
            continue;
        }
        struct stat child {};
        if (::fstatat(base, item->d_name, &child, AT_SYMLINK_NOFOLLOW) == 0) {
            listing.entries.push_back(FileInfo::fromStat(child).entryNamed(item->d_name));
        }
    }
}

}  // namespace tandor
