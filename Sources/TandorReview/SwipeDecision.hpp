#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string_view>

namespace tandor {

// What the user decided about one swipe card. Only toss touches the pile.
enum class SwipeDecision {
    keep,
    toss,
    later,
    move,
};

inline constexpr std::array allSwipeDecisions{
    SwipeDecision::keep,
    SwipeDecision::toss,
    SwipeDecision::later,
    SwipeDecision::move,
};

std::string_view rawValue(SwipeDecision decision);
std::optional<SwipeDecision> swipeDecisionFromRawValue(std::string_view raw);

void to_json(nlohmann::json& value, SwipeDecision decision);
void from_json(const nlohmann::json& value, SwipeDecision& decision);

}  // namespace tandor
