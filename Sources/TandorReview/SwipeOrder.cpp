#include "TandorReview/SwipeOrder.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

struct OrderRow {
    std::string_view raw;
    std::string_view title;
};

constexpr std::array<OrderRow, allSwipeOrders.size()> rows{{
    {"largestFirst", "Largest first"},
    {"oldestFirst", "Oldest first"},
    {"newestFirst", "Newest first"},
    {"random", "Random"},
}};

bool largerFirst(const SwipeCard& a, const SwipeCard& b) {
    if (a.bytes != b.bytes) {
        return a.bytes > b.bytes;
    }
    return a.path < b.path;
}

// Undated cards count as the farthest future: they end the list in both orders.
bool byDate(const SwipeCard& a, const SwipeCard& b, bool oldestFirst) {
    const auto& dateA = a.modificationDate;
    const auto& dateB = b.modificationDate;
    if (dateA == dateB) {
        return largerFirst(a, b);
    }
    if (!dateA) {
        return false;
    }
    if (!dateB) {
        return true;
    }
    return oldestFirst ? *dateA < *dateB : *dateA > *dateB;
}

}  // namespace

std::string_view rawValue(SwipeOrder order) {
    return rows[static_cast<std::size_t>(order)].raw;
}

std::string_view title(SwipeOrder order) {
    return rows[static_cast<std::size_t>(order)].title;
}

std::optional<SwipeOrder> swipeOrderFromRawValue(std::string_view raw) {
    for (const auto order : allSwipeOrders) {
        if (rawValue(order) == raw) {
            return order;
        }
    }
    return std::nullopt;
}

std::vector<SwipeCard> sorted(SwipeOrder order, std::vector<SwipeCard> cards) {
    switch (order) {
        case SwipeOrder::largestFirst:
            std::stable_sort(cards.begin(), cards.end(), largerFirst);
            break;
        case SwipeOrder::oldestFirst:
        case SwipeOrder::newestFirst: {
            const bool oldestFirst = order == SwipeOrder::oldestFirst;
            std::stable_sort(cards.begin(), cards.end(),
                             [oldestFirst](const SwipeCard& a, const SwipeCard& b) {
                                 return byDate(a, b, oldestFirst);
                             });
            break;
        }
        case SwipeOrder::random: {
            std::mt19937_64 generator(std::random_device{}());
            std::shuffle(cards.begin(), cards.end(), generator);
            break;
        }
    }
    return cards;
}

void to_json(nlohmann::json& value, SwipeOrder order) {
    value = rawValue(order);
}

void from_json(const nlohmann::json& value, SwipeOrder& order) {
    const auto decoded = swipeOrderFromRawValue(decode::toString(value, "order"));
    if (!decoded) {
        throw DecodingError("Unknown swipe order " + value.dump());
    }
    order = *decoded;
}

}  // namespace tandor
