#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string_view>
#include <vector>

#include "TandorReview/SwipeCard.hpp"

namespace tandor {

// The order in which a deck's cards are reviewed.
enum class SwipeOrder {
    // Bytes descending, then path ascending.
    largestFirst,
    // Modification date ascending; undated cards last, largest first.
    oldestFirst,
    // Modification date descending; undated cards last, largest first.
    newestFirst,
    // A fresh shuffle at every call.
    random,
};

inline constexpr std::array allSwipeOrders{
    SwipeOrder::largestFirst,
    SwipeOrder::oldestFirst,
    SwipeOrder::newestFirst,
    SwipeOrder::random,
};

std::string_view rawValue(SwipeOrder order);
std::optional<SwipeOrder> swipeOrderFromRawValue(std::string_view raw);
std::string_view title(SwipeOrder order);

// The cards in this order; equal cards keep their input order.
std::vector<SwipeCard> sorted(SwipeOrder order, std::vector<SwipeCard> cards);

void to_json(nlohmann::json& value, SwipeOrder order);
void from_json(const nlohmann::json& value, SwipeOrder& order);

}  // namespace tandor
