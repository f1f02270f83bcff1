#pragma once

#include <cstdint>

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
};

}  // namespace tandor
