#include "TandorScanner/FolderDescriptor.hpp"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

int openRetrying(int base, const char* path) {
    int descriptor = -1;
    do {
        descriptor = ::openat(base, path, folderFlags);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

// The position of the last "/" that leaves a prefix the kernel accepts whole.
std::size_t longestOpenablePrefix(std::string_view folder) {
    const std::size_t slash = folder.rfind('/', PATH_MAX - 1);
    return slash == std::string_view::npos || slash == 0 ? 1 : slash;
}

FolderDescriptor openLong(const std::string& folder) {
    const std::size_t split = longestOpenablePrefix(folder);
    const FolderDescriptor prefix(openRetrying(AT_FDCWD, folder.substr(0, split).c_str()));
    if (!prefix.isValid()) {
        return FolderDescriptor();
    }
    return FolderDescriptor::openBelow(prefix, std::string_view(folder).substr(split));
}

}  // namespace

FolderDescriptor FolderDescriptor::open(const std::string& folder) {
    if (folder.size() < PATH_MAX) {
        return FolderDescriptor(openRetrying(AT_FDCWD, folder.c_str()));
    }
    return openLong(folder);
}

FolderDescriptor FolderDescriptor::openBelow(const FolderDescriptor& base,
                                             std::string_view relative) {
    FolderDescriptor current;
    int from = base.get();
    for (const auto piece : paths::components(relative)) {
        current = FolderDescriptor(openRetrying(from, std::string(piece).c_str()));
        if (!current.isValid()) {
            break;
        }
        from = current.get();
    }
    return current;
}

FolderDescriptor FolderDescriptor::reopened() const {
    return FolderDescriptor(openRetrying(descriptor_, "."));
}

FolderDescriptor::FolderDescriptor(FolderDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {
}

FolderDescriptor& FolderDescriptor::operator=(FolderDescriptor&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FolderDescriptor::~FolderDescriptor() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

int FolderDescriptor::release() {
    return std::exchange(descriptor_, -1);
}

}  // namespace tandor
