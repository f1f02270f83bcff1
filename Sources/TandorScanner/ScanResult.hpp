#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TandorCore/FileNode.hpp"

namespace tandor {

// The outcome of one complete scan.
struct ScanResult {
    // The scan root with folder totals filled in.
    FileNodePtr root;
    // Folders at or below the root that could not be listed, in byte order.
    std::vector<std::string> inaccessiblePaths;
    // File entries that were further names of a file already counted.
    std::int64_t skippedHardLinks = 0;
    // Files whose clone group had been seen before in this scan.
    std::int64_t dedupedClones = 0;
    // Shared bytes of those clones that were not counted again.
    std::int64_t dedupedCloneBytes = 0;
    // Seconds from the start of the scan call until the result was complete.
    double duration = 0;
    // How folders were read: "statx" or "lstat".
    std::string method;
};

}  // namespace tandor
