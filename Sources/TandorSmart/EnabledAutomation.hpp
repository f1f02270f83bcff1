#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorSmart/AutomationRule.hpp"

namespace tandor {

// A rule the user turned on after approving a preview of it, with what that
// preview picked so that later runs can be compared with it.
struct EnabledAutomation {
    // The rule as it was when it was enabled.
    AutomationRule rule;
    Date enabledAt;
    // The approved preview's total bytes and number of items.
    std::int64_t previewedBytes = 0;
    std::int64_t previewedCount = 0;
    // Absent until the first recorded run.
    std::optional<Date> lastRun;

    const std::string& id() const { return rule.id; }

    // Never run, or at least one schedule interval since the last run.
    bool isDue(Date now) const;

    friend bool operator==(const EnabledAutomation&, const EnabledAutomation&) = default;
};

}  // namespace tandor

// JSON form: {"enabledAt", "lastRun"?, "previewedBytes", "previewedCount",
// "rule"}, dates ISO 8601 at whole seconds, "lastRun" left out when absent.
// Decoding requires the other four keys and throws DecodingError, also for a
// negative byte total or count (the store never writes one).
template <>
struct nlohmann::adl_serializer<tandor::EnabledAutomation> {
    static tandor::EnabledAutomation from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::EnabledAutomation& automation);
};

template <>
struct std::hash<tandor::EnabledAutomation> {
    std::size_t operator()(const tandor::EnabledAutomation& automation) const noexcept;
};
