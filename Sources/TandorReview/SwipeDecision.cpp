#include "TandorReview/SwipeDecision.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

constexpr std::array<std::string_view, allSwipeDecisions.size()> rawValues{"keep", "toss", "later",
                                                                           "move"};

}  // namespace

std::string_view rawValue(SwipeDecision decision) {
    return rawValues[static_cast<std::size_t>(decision)];
}

std::optional<SwipeDecision> swipeDecisionFromRawValue(std::string_view raw) {
    for (const auto decision : allSwipeDecisions) {
        if (rawValue(decision) == raw) {
            return decision;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& value, SwipeDecision decision) {
    value = rawValue(decision);
}

void from_json(const nlohmann::json& value, SwipeDecision& decision) {
    const auto decoded = swipeDecisionFromRawValue(decode::toString(value, "decision"));
    if (!decoded) {
        throw DecodingError("Unknown swipe decision " + value.dump());
    }
    decision = *decoded;
}

}  // namespace tandor
