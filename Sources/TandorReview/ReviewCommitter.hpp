#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/Trasher.hpp"

namespace tandor {

// The outcome of one commit.
struct CommitResult {
    struct Failure {
        std::string path;
        std::string error;
    };

    // One record per item that went, in pile order.
    std::vector<HistoryRecord> moved;
    // One failure per item that stayed, in pile order.
    std::vector<Failure> failed;
    // Set when the history could not be saved. The moved items are in the Trash
    // all the same, and their records wait in the history's memory for its next
    // save that succeeds.
    std::optional<std::string> saveError;

    // The moved entries' bytes as they stood on the pile.
    std::int64_t freedBytes() const;
};

// Moves the pile's items out through a trasher and records them in the history.
class ReviewCommitter {
  public:
    using Clock = std::function<Date()>;

    ReviewCommitter(
        std::shared_ptr<const Trasher> trasher, std::shared_ptr<CleanupHistory> history,
        Clock now = [] { return std::chrono::system_clock::now(); });

    // Trashes every entry in pile order; one item's failure never stops the
    // others. Each moved entry leaves the pile and gets a record dated when its
    // own move returned; failed entries stay. Then appends the records to the
    // history and saves it, on every commit, even an empty one. Never throws for
    // a save failure: the result carries it in saveError.
    CommitResult commit(ReviewPile& pile) const;

  private:
    std::shared_ptr<const Trasher> trasher_;
    std::shared_ptr<CleanupHistory> history_;
    Clock now_;
};

}  // namespace tandor
