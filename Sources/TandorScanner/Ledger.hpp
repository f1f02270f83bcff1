#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "TandorScanner/FileID.hpp"

namespace tandor {

// The counters and sets that every thread of one scan shares. Each operation
// takes the lock once; none calls out while holding it.
class Ledger {
  public:
    struct Counts {
        std::int64_t filesSeen = 0;
        std::int64_t bytesSeen = 0;
    };
    struct Totals {
        std::vector<std::string> inaccessible;
        std::int64_t skippedHardLinks = 0;
        std::int64_t dedupedClones = 0;
        std::int64_t dedupedCloneBytes = 0;
    };

    // True the first time a file with several links is met; a repeat counts as
    // a skipped hard link.
    bool firstSighting(const FileID& hardLink);
    // True the first time a clone group is met; a repeat counts as a deduplicated
    // clone whose sharedBytes were not counted again.
    bool firstSighting(std::uint64_t cloneID, std::int64_t sharedBytes);
    void recordInaccessible(std::string folder);
    // Adds one folder's files; returns the counts before and after.
    std::pair<Counts, Counts> addFiles(std::int64_t files, std::int64_t bytes);
    Totals totals() const;

  private:
    mutable std::mutex lock_;
    std::unordered_set<FileID> hardLinks_;
    std::unordered_set<std::uint64_t> clones_;
    Totals totals_;
    Counts counts_;
};

}  // namespace tandor
