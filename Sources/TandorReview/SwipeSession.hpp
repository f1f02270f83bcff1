#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/SwipeCard.hpp"
#include "TandorReview/SwipeDecision.hpp"
#include "TandorReview/SwipeDeckKind.hpp"
#include "TandorReview/SwipeMove.hpp"

namespace tandor {

// One pass through a deck in batches. A toss puts the card on the pile at once;
// the last decision of the current batch can be taken back, which also takes a
// tossed card off the pile and restores what it absorbed. Touches no file: the
// caller carries out keeps and moves, and reverses them on undo.
class SwipeSession {
  public:
    // Positions from start up to end, end not included.
    struct Range {
        std::size_t start = 0;
        std::size_t end = 0;

        bool contains(std::size_t position) const { return position >= start && position < end; }
        friend bool operator==(const Range&, const Range&) = default;
    };

    // A batch size below 1 is taken as 1.
    SwipeSession(SwipeDeckKind kind, std::vector<SwipeCard> cards, std::int64_t batchSize);

    SwipeDeckKind kind() const { return kind_; }
    const std::vector<SwipeCard>& cards() const { return cards_; }
    std::size_t batchSize() const { return batchSize_; }
    std::size_t batchIndex() const { return batchIndex_; }
    // Index of the next card to decide.
    std::size_t position() const { return position_; }
    // Every decision not taken back, oldest first, over all batches.
    const std::vector<SwipeMove>& moves() const { return moves_; }

    Range batchRange() const;
    std::size_t batchCount() const;
    std::size_t batchLength() const;
    std::size_t doneInBatch() const;
    std::optional<SwipeCard> currentCard() const;
    // Up to n cards from the current one on, never past the end of the batch.
    std::vector<SwipeCard> upcoming(std::size_t n) const;
    bool isBatchFinished() const;
    bool hasNextBatch() const;
    bool isFinished() const;
    std::vector<SwipeMove> movesInBatch() const;
    std::vector<SwipeCard> keptInBatch() const;
    std::vector<SwipeCard> tossedInBatch() const;
    std::vector<SwipeCard> laterInBatch() const;
    std::vector<SwipeCard> movedInBatch() const;
    // Bytes of every toss of the session, in every batch.
    std::int64_t tossedBytes() const;
    bool canUndo() const;

    // Records the decision on the current card and moves on; nothing when the
    // batch is finished.
    std::optional<SwipeMove> decide(SwipeDecision decision, ReviewPile& pile);
    // Takes back the last decision when it lies in the current batch.
    std::optional<SwipeMove> undo(ReviewPile& pile);
    // Moves to the next batch once the current one is finished.
    void startNextBatch();

  private:
    std::vector<SwipeCard> cardsInBatch(SwipeDecision decision) const;

    SwipeDeckKind kind_;
    std::vector<SwipeCard> cards_;
    std::size_t batchSize_;
    std::size_t batchIndex_ = 0;
    std::size_t position_ = 0;
    std::vector<SwipeMove> moves_;
};

}  // namespace tandor
