#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorScanner/ScanEntry.hpp"

namespace tandor {

// The lstat record of one path: a symbolic link is described, never followed.
struct FileInfo {
    // Absent when lstat fails.
    static std::optional<FileInfo> read(const std::string& path);
    static FileInfo fromStat(const struct stat& status);

    // The entry a listing would give for this file under name; clone facts absent.
    ScanEntry entryNamed(std::string name) const;

    bool isDirectory = false;
    bool isSymlink = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t linkCount = 1;
    std::int64_t allocatedSize = 0;
    std::int64_t logicalSize = 0;
    std::optional<Date> modificationDate;
    std::optional<Date> accessDate;
};

}  // namespace tandor
