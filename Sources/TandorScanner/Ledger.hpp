#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "TandorScanner/FileID.hpp"

namespace tandor {

// The counters and sets that every thread of one scan shares. Each operation
// takes one lock once; none calls out while holding it.
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
    // A home whose packages link into a shared store meets a hard link in
    // nearly every file, from every thread at once; spread over shards with a
    // lock each, those threads seldom wait on one another. Each shard has a
    // cache line of its own so that their locks do not bounce together.
    struct alignas(64) HardLinkShard {
        mutable std::mutex lock;
        std::unordered_set<FileID> seen;
        std::int64_t repeats = 0;
    };
    static constexpr int hardLinkShardBits = 6;

    HardLinkShard& shardOf(const FileID& hardLink);

    std::array<HardLinkShard, std::size_t{1} << hardLinkShardBits> hardLinkShards_;
    mutable std::mutex lock_;
    std::unordered_set<std::uint64_t> clones_;
    Totals totals_;
    Counts counts_;
};

}  // namespace tandor
