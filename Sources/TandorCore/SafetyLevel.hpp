#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string_view>

namespace tandor {

// How safe removing something is, from safest to least safe; the enumerators'
// order is the order of the levels, so <, <=, >= and > compare safety.
enum class SafetyLevel {
    regenerable,
    existsElsewhere,
    needsReview,
};

inline constexpr std::array allSafetyLevels{
    SafetyLevel::regenerable,
    SafetyLevel::existsElsewhere,
    SafetyLevel::needsReview,
};

std::string_view rawValue(SafetyLevel level);
std::optional<SafetyLevel> safetyLevelFromRawValue(std::string_view raw);
std::string_view title(SafetyLevel level);
// Only what the system rebuilds by itself may be cleaned in one step.
bool allowsOneTapClean(SafetyLevel level);

void to_json(nlohmann::json& value, SafetyLevel level);
void from_json(const nlohmann::json& value, SafetyLevel& level);

}  // namespace tandor
