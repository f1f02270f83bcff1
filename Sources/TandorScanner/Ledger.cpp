#include "TandorScanner/Ledger.hpp"

#include "TandorCore/CheckedMath.hpp"

namespace tandor {

bool Ledger::firstSighting(const FileID& hardLink) {
    HardLinkShard& shard = shardOf(hardLink);
    const std::lock_guard guard(shard.lock);
    if (shard.seen.insert(hardLink).second) {
        return true;
    }
    ++shard.repeats;
    return false;
}

Ledger::HardLinkShard& Ledger::shardOf(const FileID& hardLink) {
    // The top bits of a multiplicative mix, so that the shard does not follow
    // the low bits the sets inside use for their buckets.
    const std::uint64_t mixed = std::hash<FileID>{}(hardLink)*0x9e3779b97f4a7c15ULL;
    return hardLinkShards_[mixed >> (64 - hardLinkShardBits)];
}

bool Ledger::firstSighting(std::uint64_t cloneID, std::int64_t sharedBytes) {
    const std::lock_guard guard(lock_);
    if (clones_.insert(cloneID).second) {
        return true;
    }
    ++totals_.dedupedClones;
    totals_.dedupedCloneBytes = saturatingAdd(totals_.dedupedCloneBytes, sharedBytes);
    return false;
}

void Ledger::recordInaccessible(std::string folder) {
    const std::lock_guard guard(lock_);
    totals_.inaccessible.push_back(std::move(folder));
}

std::pair<Ledger::Counts, Ledger::Counts> Ledger::addFiles(std::int64_t files, std::int64_t bytes) {
    const std::lock_guard guard(lock_);
    const Counts before = counts_;
    counts_.filesSeen = saturatingAdd(counts_.filesSeen, files);
    counts_.bytesSeen = saturatingAdd(counts_.bytesSeen, bytes);
    return {before, counts_};
}

Ledger::Totals Ledger::totals() const {
    Totals totals;
    {
        const std::lock_guard guard(lock_);
        totals = totals_;
    }
    for (const HardLinkShard& shard : hardLinkShards_) {
        const std::lock_guard guard(shard.lock);
        totals.skippedHardLinks = saturatingAdd(totals.skippedHardLinks, shard.repeats);
    }
    return totals;
}

}  // namespace tandor
