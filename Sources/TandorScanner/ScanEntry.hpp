#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// One entry of a folder listing. Fields a reader did not get keep these defaults.
struct ScanEntry {
    // One path component, the raw bytes the file system returned.
    std::string name;
    // Never true for a symbolic link.
    bool isDirectory = false;
    // 0 when the reader did not get one.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t linkCount = 1;
    std::int64_t allocatedSize = 0;
    std::int64_t logicalSize = 0;
    std::optional<Date> modificationDate;
    std::optional<Date> accessDate;
    // Bytes of the file that it shares with no clone.
    std::optional<std::int64_t> privateSize;
    // Shared by every clone of one file.
    std::optional<std::uint64_t> cloneID;
    // The file system says the file may share blocks with another file.
    std::optional<bool> mayShareBlocks;
};

}  // namespace tandor
