#pragma once

#include <cstdint>
#include <vector>

namespace tandor {

// A run of a file's data blocks that the file system reports as shared with
// another file or a snapshot, by its physical place on the device.
struct SharedExtent {
    std::uint64_t physical = 0;
    std::uint64_t length = 0;

    friend bool operator==(const SharedExtent&, const SharedExtent&) = default;
};

// The bytes of extents that no extent of others covers: what a file keeps to
// itself among a set of files, however much it shares elsewhere.
std::int64_t bytesNotCoveredBy(const std::vector<SharedExtent>& extents,
                               std::vector<SharedExtent> others);

}  // namespace tandor
