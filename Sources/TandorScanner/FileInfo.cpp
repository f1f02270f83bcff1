#include "TandorScanner/FileInfo.hpp"

#include "TandorScanner/StatValues.hpp"

namespace tandor {

std::optional<FileInfo> FileInfo::read(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return fromStat(status);
}

FileInfo FileInfo::fromStat(const struct stat& status) {
    const auto type = status.st_mode & S_IFMT;
    return FileInfo{
        .isDirectory = type == S_IFDIR,
        .isSymlink = type == S_IFLNK,
        .device = static_cast<std::uint64_t>(status.st_dev),
        .inode = static_cast<std::uint64_t>(status.st_ino),
        .linkCount = static_cast<std::uint64_t>(status.st_nlink),
        .allocatedSize = stat_values::allocatedBytes(static_cast<std::uint64_t>(status.st_blocks)),
        .logicalSize = stat_values::byteCount(static_cast<std::uint64_t>(status.st_size)),
        .modificationDate = stat_values::date(status.st_mtim.tv_sec, status.st_mtim.tv_nsec),
        .accessDate = stat_values::date(status.st_atim.tv_sec, status.st_atim.tv_nsec),
    };
}

ScanEntry FileInfo::entryNamed(std::string name) const {
    return ScanEntry{
        .name = std::move(name),
        .isDirectory = isDirectory,
        .device = device,
        .inode = inode,
        .linkCount = linkCount,
        .allocatedSize = allocatedSize,
        .logicalSize = logicalSize,
        .modificationDate = modificationDate,
        .accessDate = accessDate,
        .privateSize = std::nullopt,
        .cloneID = std::nullopt,
        .mayShareBlocks = std::nullopt,
    };
}

}  // namespace tandor
