#pragma once

#include <cstddef>
#include <vector>

#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/SwipeCard.hpp"
#include "TandorReview/SwipeDecision.hpp"

namespace tandor {

// One decision of a swipe session.
struct SwipeMove {
    // The card's position in the session's cards.
    std::size_t index = 0;
    SwipeCard card;
    SwipeDecision decision = SwipeDecision::keep;
    // Only a toss that put the card on the pile.
    bool addedToPile = false;
    // The pile entries inside the card's folder that this toss removed, in pile
    // order; taking the toss back puts them on the pile again.
    std::vector<ReviewPile::Entry> absorbed;

    friend bool operator==(const SwipeMove&, const SwipeMove&) = default;
};

}  // namespace tandor
