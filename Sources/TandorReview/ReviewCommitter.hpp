#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/Trasher.hpp"

namespace tandor {

// The outcome of one commit.
struct CommitResult {
    struct Failure {
        // What stopped the item, for a short reason beside it; other when
        // only the error's text says.
        enum class Reason {
            gone,
            inUse,
            noPermission,
            noSpace,
            protectedPlace,
            noTrash,
            notRecorded,
            other,
        };

        std::string path;
        std::string error;
        Reason reason = Reason::other;
    };

    struct PartialMove {
        std::string originalPath;
        // What stayed at its old place, as the trasher listed it.
        std::vector<std::string> leftBehind;
    };

    // One record per item that went, in pile order.
    std::vector<HistoryRecord> moved;
    // One failure per item that stayed, in pile order.
    std::vector<Failure> failed;
    // The moved items of which a part stayed behind, in pile order; their
    // records are in moved all the same.
    std::vector<PartialMove> partiallyMoved;
    // Set when the history could not be saved. The moved items are in the Trash
    // all the same; their records wait in the history's memory for its next
    // save that succeeds, and in its journal for the next start.
    std::optional<std::string> saveError;

    // The moved entries' bytes as they stood on the pile.
    std::int64_t freedBytes() const;
};

// Moves the pile's items out through a trasher and records them in the history,
// each record written ahead in the history's journal before its item moves.
class ReviewCommitter {
  public:
    using Clock = std::function<Date()>;

    ReviewCommitter(
        std::shared_ptr<const Trasher> trasher, std::shared_ptr<CleanupHistory> history,
        Clock now = [] { return std::chrono::system_clock::now(); });

    // Trashes every entry in pile order; one item's failure never stops the
    // others. First the journal is opened (waiting while another commit holds
    // it) and what an earlier commit left in it is recovered. Then, batch by
    // batch, the entries' records are written to the journal and synced before
    // any of them moves: an entry whose record cannot be written does not move
    // and fails with the reason, and so do all after it. Each moved entry leaves
    // the pile and gets a record dated when its own move returned; failed
    // entries stay. Then appends the recovered and the new records to the
    // history and saves it, on every commit, even an empty one, and removes the
    // journal. Never throws for a save failure: the result carries it in
    // saveError, and the journal stays.
    CommitResult commit(ReviewPile& pile) const;

  private:
    // Moves one planned entry and notes where it went.
    void move(const ReviewPile::Entry& entry, HistoryRecord record, HistoryJournal& journal,
              CommitResult& result) const;
    // Appends the records the journal held from before and this commit's to
    // the history; removes the journal (when there is one) once they are saved.
    void save(HistoryJournal* journal, CommitResult& result) const;

    std::shared_ptr<const Trasher> trasher_;
    std::shared_ptr<CleanupHistory> history_;
    Clock now_;
};

}  // namespace tandor
