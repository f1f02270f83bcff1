#include "TandorScanner/Ledger.hpp"

#include "TandorCore/CheckedMath.hpp"

namespace tandor {

bool Ledger::firstSighting(const FileID& hardLink) {
    const std::lock_guard guard(lock_);
    if (hardLinks_.insert(hardLink).second) {
        return true;
    }
    ++totals_.skippedHardLinks;
    return false;
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
    const std::lock_guard guard(lock_);
    return totals_;
}

}  // namespace tandor
