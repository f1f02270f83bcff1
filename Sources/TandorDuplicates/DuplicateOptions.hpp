#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TandorDuplicates/PathFilter.hpp"

namespace tandor {

// What the identical-file finder looks at. The application uses a minimum of
// 1,000,000 bytes and samples of 65,536 bytes.
struct DuplicateOptions {
    // Smaller files are ignored.
    std::int64_t minimumSize;
    PathFilter filter;
    // Bytes taken from each end of a file when sampling; in [1, 2^62).
    std::int64_t sampleSize;
    // The user's Downloads folders, where a copy is the less wanted one.
    std::vector<std::string> downloadsFolders;
};

}  // namespace tandor
