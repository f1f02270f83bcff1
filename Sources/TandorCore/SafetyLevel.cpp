#include "TandorCore/SafetyLevel.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

struct SafetyRow {
    SafetyLevel level;
    std::string_view raw;
    std::string_view title;
};

constexpr std::array<SafetyRow, allSafetyLevels.size()> rows{{
    {SafetyLevel::regenerable, "regenerable", "Regenerable"},
    {SafetyLevel::existsElsewhere, "existsElsewhere", "Exists elsewhere"},
    {SafetyLevel::needsReview, "needsReview", "Needs review"},
}};

const SafetyRow& row(SafetyLevel level) { return rows[static_cast<std::size_t>(level)]; }

}  // namespace

std::string_view rawValue(SafetyLevel level) { return row(level).raw; }

std::string_view title(SafetyLevel level) { return row(level).title; }

bool allowsOneTapClean(SafetyLevel level) { return level == SafetyLevel::regenerable; }

std::optional<SafetyLevel> safetyLevelFromRawValue(std::string_view raw) {
    for (const auto& candidate : rows) {
        if (candidate.raw == raw) {
            return candidate.level;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& value, SafetyLevel level) { value = rawValue(level); }

void from_json(const nlohmann::json& value, SafetyLevel& level) {
    const auto decoded = safetyLevelFromRawValue(decode::toString(value, "safety"));
    if (!decoded) {
        throw DecodingError("Unknown safety level " + value.dump());
    }
    level = *decoded;
}

}  // namespace tandor
