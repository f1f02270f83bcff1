#include "TandorReview/SwipeSession.hpp"

#include <algorithm>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

SwipeSession::SwipeSession(SwipeDeckKind kind, std::vector<SwipeCard> cards, std::int64_t batchSize)
    : kind_(kind),
      cards_(std::move(cards)),
      batchSize_(batchSize < 1 ? 1 : static_cast<std::size_t>(batchSize)) {
}

SwipeSession::Range SwipeSession::batchRange() const {
    const std::size_t count = cards_.size();
    const std::size_t start = std::min(count, batchIndex_ * batchSize_);
    return {start, std::min(count, start + batchSize_)};
}

std::size_t SwipeSession::batchCount() const {
    return (cards_.size() + batchSize_ - 1) / batchSize_;
}

std::size_t SwipeSession::batchLength() const {
    const Range range = batchRange();
    return range.end - range.start;
}

std::size_t SwipeSession::doneInBatch() const {
    return position_ - batchRange().start;
}

std::optional<SwipeCard> SwipeSession::currentCard() const {
    if (isBatchFinished()) {
        return std::nullopt;
    }
    return cards_[position_];
}

std::vector<SwipeCard> SwipeSession::upcoming(std::size_t n) const {
    const std::size_t end = batchRange().end;
    if (position_ >= end) {
        return {};
    }
    const std::size_t last = position_ + std::min(n, end - position_);
    return {cards_.begin() + static_cast<std::ptrdiff_t>(position_),
            cards_.begin() + static_cast<std::ptrdiff_t>(last)};
}

bool SwipeSession::isBatchFinished() const {
    return position_ >= batchRange().end;
}

bool SwipeSession::hasNextBatch() const {
    return batchRange().start + batchSize_ < cards_.size();
}

bool SwipeSession::isFinished() const {
    return isBatchFinished() && !hasNextBatch();
}

std::vector<SwipeMove> SwipeSession::movesInBatch() const {
    const Range range = batchRange();
    std::vector<SwipeMove> inBatch;
    std::copy_if(moves_.begin(), moves_.end(), std::back_inserter(inBatch),
                 [&](const SwipeMove& move) { return range.contains(move.index); });
    return inBatch;
}

std::vector<SwipeCard> SwipeSession::keptInBatch() const {
    return cardsInBatch(SwipeDecision::keep);
}

std::vector<SwipeCard> SwipeSession::tossedInBatch() const {
    return cardsInBatch(SwipeDecision::toss);
}

std::vector<SwipeCard> SwipeSession::laterInBatch() const {
    return cardsInBatch(SwipeDecision::later);
}

std::vector<SwipeCard> SwipeSession::movedInBatch() const {
    return cardsInBatch(SwipeDecision::move);
}

std::int64_t SwipeSession::tossedBytes() const {
    std::int64_t total = 0;
    for (const auto& move : moves_) {
        if (move.decision == SwipeDecision::toss) {
            total = saturatingAdd(total, move.card.bytes);
        }
    }
    return total;
}

bool SwipeSession::canUndo() const {
    return !moves_.empty() && batchRange().contains(moves_.back().index);
}

std::optional<SwipeMove> SwipeSession::decide(SwipeDecision decision, ReviewPile& pile) {
    if (isBatchFinished()) {
        return std::nullopt;
    }
    SwipeMove move{position_, cards_[position_], decision, false, {}};
    const SwipeCard& card = move.card;
    if (decision == SwipeDecision::toss && !pile.covers(card.path)) {
        std::vector<ReviewPile::Entry> inside;
        std::copy_if(
            pile.entries().begin(), pile.entries().end(), std::back_inserter(inside),
            [&](const ReviewPile::Entry& entry) { return paths::isInside(entry.path, card.path); });
        if (pile.add({card.path, card.bytes, card.ruleID()})) {
            move.addedToPile = true;
            move.absorbed = std::move(inside);
        }
    }
    moves_.push_back(move);
    ++position_;
    return move;
}

std::optional<SwipeMove> SwipeSession::undo(ReviewPile& pile) {
    if (!canUndo()) {
        return std::nullopt;
    }
    SwipeMove move = std::move(moves_.back());
    moves_.pop_back();
    if (move.addedToPile) {
        pile.remove(move.card.path);
        for (const auto& entry : move.absorbed) {
            pile.add(entry);
        }
    }
    position_ = move.index;
    return move;
}

void SwipeSession::startNextBatch() {
    if (!isBatchFinished() || !hasNextBatch()) {
        return;
    }
    ++batchIndex_;
    position_ = batchRange().start;
}

std::vector<SwipeCard> SwipeSession::cardsInBatch(SwipeDecision decision) const {
    std::vector<SwipeCard> found;
    for (const auto& move : movesInBatch()) {
        if (move.decision == decision) {
            found.push_back(move.card);
        }
    }
    return found;
}

}  // namespace tandor
