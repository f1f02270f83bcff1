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

// readdir's stream owns its descriptor and closes it; subfolders are opened
// through a duplicate.
void keepOpenForSubfolders(DirectoryListing& listing, int base) {
    if (listing.holdsSubfolders()) {
        FolderDescriptor duplicate(::fcntl(base, F_DUPFD_CLOEXEC, 0));
        if (duplicate.isValid()) {
            listing.folder = std::make_shared<const FolderDescriptor>(std::move(duplicate));
        }
    }
}

}  // namespace

std::optional<DirectoryListing> LstatDirectoryReader::list(const std::string& folder) const {
    return listOpen(FolderDescriptor::open(folder));
}

std::optional<DirectoryListing> LstatDirectoryReader::listBelow(const FolderDescriptor& ancestor,
                                                                std::string_view relative,
                                                                const std::string&) const {
    return listOpen(FolderDescriptor::openBelow(ancestor, relative));
}

std::optional<DirectoryListing> LstatDirectoryReader::listOpen(FolderDescriptor descriptor) const {
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
            keepOpenForSubfolders(listing, base);
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
