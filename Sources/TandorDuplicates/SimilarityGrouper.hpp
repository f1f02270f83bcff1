#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "TandorCore/Date.hpp"

namespace tandor {

// Sorts items into groups of look-alike items. Each item is compared only with
// the items that follow it closely in time, so the work grows with the number of
// items times the cap, not with its square.
class SimilarityGrouper {
  public:
    SimilarityGrouper() = delete;

    // Answers the distance of two items (the earlier one first), or nothing when
    // they cannot be compared.
    using Distance = std::function<std::optional<float>(std::int64_t, std::int64_t)>;

    // dates holds one date per item. In date order (equal dates by index), each
    // item is compared with at most maxComparisonsPerItem of the items after it,
    // stopping at the first one more than window seconds later (no window: no
    // limit). A distance at most threshold makes the two alike; any other
    // outcome makes them apart. Alike pairs join their sets, the closest first,
    // unless the two sets hold a pair found apart: within a group every
    // compared pair is alike, and items that were never compared may share a
    // group through the others. Returns the groups of two or more items, each
    // ascending, ordered by their first item. distance is called on the
    // calling thread, only during the call.
    static std::vector<std::vector<std::int64_t>> group(const std::vector<Date>& dates,
                                                        std::optional<double> window,
                                                        std::int64_t maxComparisonsPerItem,
                                                        float threshold, const Distance& distance);
};

}  // namespace tandor
