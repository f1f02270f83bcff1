#include "TandorReview/ReviewCommitter.hpp"

#include "TandorCore/CheckedMath.hpp"

namespace tandor {

std::int64_t CommitResult::freedBytes() const {
    std::int64_t total = 0;
    for (const auto& record : moved) {
        total = saturatingAdd(total, record.bytes);
    }
    return total;
}

ReviewCommitter::ReviewCommitter(std::shared_ptr<const Trasher> trasher,
                                 std::shared_ptr<CleanupHistory> history, Clock now)
    : trasher_(std::move(trasher)), history_(std::move(history)), now_(std::move(now)) {
}

CommitResult ReviewCommitter::commit(ReviewPile& pile) const {
    CommitResult result;
    const std::vector<ReviewPile::Entry> entries = pile.entries();
    for (const auto& entry : entries) {
        std::string trashedPath;
        try {
            trashedPath = trasher_->trash(entry.path).path;
        } catch (const std::exception& error) {
            result.failed.push_back({entry.path, error.what()});
            continue;
        }
        result.moved.emplace_back(entry.path, std::move(trashedPath), entry.bytes, entry.ruleID,
                                  now_());
        pile.remove(entry.path);
    }
    try {
        history_->append(result.moved);
    } catch (const std::exception& error) {
        result.saveError = error.what();
    }
    return result;
}

}  // namespace tandor
