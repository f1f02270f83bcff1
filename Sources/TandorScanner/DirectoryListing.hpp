#pragma once

#include <cstdint>
#include <vector>

#include "TandorScanner/ScanEntry.hpp"

namespace tandor {

// What one folder holds, as the reader found it.
struct DirectoryListing {
    // The device of the listed folder itself.
    std::uint64_t device = 0;
    // In the order the file system returned them, never sorted; "." and ".."
    // never appear.
    std::vector<ScanEntry> entries;
};

}  // namespace tandor
