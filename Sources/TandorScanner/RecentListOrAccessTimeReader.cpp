#include "TandorScanner/RecentListOrAccessTimeReader.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "TandorScanner/RecentlyUsedXbelReader.hpp"
#include "TandorScanner/StatValues.hpp"

namespace tandor {
namespace {

// The access time when the file was read after it was last written.
std::optional<Date> readSinceWritten(const std::optional<Date>& access,
                                     const std::optional<Date>& modification) {
    if (!access || (modification && *access <= *modification)) {
        return std::nullopt;
    }
    return access;
}

std::optional<Date> dateOf(const struct statx& attributes, unsigned field,
                           const struct statx_timestamp& time) {
    if ((attributes.stx_mask & field) == 0) {
        return std::nullopt;
    }
    return stat_values::date(time.tv_sec, time.tv_nsec);
}

}  // namespace

RecentListOrAccessTimeReader::RecentListOrAccessTimeReader(
    std::shared_ptr<const LastUsedReader> recentList,
    std::shared_ptr<const MountAccessTimes> mounts, FileNodePtr tree)
    : recentList_(std::move(recentList)), mounts_(std::move(mounts)), tree_(std::move(tree)) {
    if (tree_ != nullptr) {
        treeRecordsAccessTimes_ = mounts_->recordsAccessTimes(tree_->path());
    }
}

std::shared_ptr<const LastUsedReader> RecentListOrAccessTimeReader::standard(FileNodePtr tree) {
    return std::make_shared<RecentListOrAccessTimeReader>(
        std::make_shared<RecentlyUsedXbelReader>(), std::make_shared<MountAccessTimes>(),
        std::move(tree));
}

std::optional<Date> RecentListOrAccessTimeReader::lastUsedDate(const std::string& path) const {
    if (const auto listed = recentList_->lastUsedDate(path)) {
        return listed;
    }
    if (tree_ != nullptr) {
        if (const auto node = tree_->nodeAt(path)) {
            return accessDateInTree(*node);
        }
    }
    return accessDateOnDisk(path);
}

std::optional<Date> RecentListOrAccessTimeReader::accessDateInTree(const FileNode& node) const {
    if (node.isDirectory() || !treeRecordsAccessTimes_) {
        return std::nullopt;
    }
    return readSinceWritten(node.accessDate(), node.modificationDate());
}

std::optional<Date> RecentListOrAccessTimeReader::accessDateOnDisk(const std::string& path) const {
    struct statx attributes {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_TYPE | STATX_ATIME | STATX_MTIME, &attributes) != 0 ||
        (attributes.stx_mask & STATX_TYPE) == 0 || !S_ISREG(attributes.stx_mode)) {
        return std::nullopt;
    }
    const auto device = makedev(attributes.stx_dev_major, attributes.stx_dev_minor);
    if (!mounts_->deviceRecordsAccessTimes(device, path)) {
        return std::nullopt;
    }
    return readSinceWritten(dateOf(attributes, STATX_ATIME, attributes.stx_atime),
                            dateOf(attributes, STATX_MTIME, attributes.stx_mtime));
}

}  // namespace tandor
