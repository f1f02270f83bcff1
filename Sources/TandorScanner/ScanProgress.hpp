#pragma once

#include <cstdint>
#include <string>

namespace tandor {

// Sent each time filesSeen crosses a multiple of 5000.
struct ScanProgress {
    // The folder whose files were just counted.
    std::string currentPath;
    // File entries counted so far: further hard links included, folders and
    // excluded paths not.
    std::int64_t filesSeen = 0;
    // Allocated bytes of those files after hard-link and clone accounting.
    std::int64_t bytesSeen = 0;

    friend bool operator==(const ScanProgress&, const ScanProgress&) = default;
};

}  // namespace tandor
