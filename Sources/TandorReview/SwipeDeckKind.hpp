#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "TandorCore/SafetyLevel.hpp"

namespace tandor {

// The four swipe decks, in the order they are shown.
enum class SwipeDeckKind {
    downloads,
    installers,
    largeVideos,
    oldFiles,
};

inline constexpr std::array allSwipeDeckKinds{
    SwipeDeckKind::downloads,
    SwipeDeckKind::installers,
    SwipeDeckKind::largeVideos,
    SwipeDeckKind::oldFiles,
};

std::string_view rawValue(SwipeDeckKind kind);
std::optional<SwipeDeckKind> swipeDeckKindFromRawValue(std::string_view raw);
std::string_view title(SwipeDeckKind kind);
// A fixed text; it does not follow the thresholds a builder is given.
std::string_view subtitle(SwipeDeckKind kind);
SafetyLevel safety(SwipeDeckKind kind);
// "swipe." and the raw value: the source tag of a tossed card on the pile.
std::string ruleID(SwipeDeckKind kind);

void to_json(nlohmann::json& value, SwipeDeckKind kind);
void from_json(const nlohmann::json& value, SwipeDeckKind& kind);

}  // namespace tandor
