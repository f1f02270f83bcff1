#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "TandorScanner/FolderDescriptor.hpp"
#include "TandorScanner/ScanEntry.hpp"

namespace tandor {

// What one folder holds, as the reader found it.
struct DirectoryListing {
    // The device of the listed folder itself.
    std::uint64_t device = 0;
    // In the order the file system returned them, never sorted; "." and ".."
    // never appear.
    std::vector<ScanEntry> entries;
    // The listed folder, left open when it holds subfolders, so that they can
    // be opened relative to it. Absent otherwise and from readers that open
    // nothing themselves.
    std::shared_ptr<const FolderDescriptor> folder = nullptr;

    bool holdsSubfolders() const {
        return std::any_of(entries.begin(), entries.end(),
                           [](const ScanEntry& entry) { return entry.isDirectory; });
    }
};

}  // namespace tandor
