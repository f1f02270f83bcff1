#include "TandorCore/SafetyLevel.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/RawValueTable.hpp"

namespace tandor {
namespace {

struct SafetyRow {
    SafetyLevel value;
    std::string_view raw;
    std::string_view title;
};

constexpr std::array<SafetyRow, allSafetyLevels.size()> rows{{
    {SafetyLevel::regenerable, "regenerable", "Regenerable"},
    {SafetyLevel::existsElsewhere, "existsElsewhere", "Exists elsewhere"},
    {SafetyLevel::needsReview, "needsReview", "Needs review"},
}};

const SafetyRow& row(SafetyLevel level) {
    return rows[static_cast<std::size_t>(level)];
}

}  // namespace

std::string_view rawValue(SafetyLevel level) {
    return row(level).raw;
}

std::string_view title(SafetyLevel level) {
    return row(level).title;
}

bool allowsOneTapClean(SafetyLevel level) {
    return level == SafetyLevel::regenerable;
}

std::optional<SafetyLevel> safetyLevelFromRawValue(std::string_view raw) {
    return caseFromRawValue(rows, raw);
}

void to_json(nlohmann::json& value, SafetyLevel level) {
    value = rawValue(level);
}

void from_json(const nlohmann::json& value, SafetyLevel& level) {
    level = caseFromJSON(rows, value, "safety level");
}

}  // namespace tandor
