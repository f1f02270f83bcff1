#include "TandorSmart/EnabledAutomation.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorSmart/ElapsedTime.hpp"

namespace tandor {
namespace {

std::int64_t requireNonNegative(const nlohmann::json& object, std::string_view key) {
    const std::int64_t number = decode::requireInt64(object, key);
    if (number < 0) {
        throw DecodingError("Expected a number of at least 0 for \"" + std::string(key) + "\"");
    }
    return number;
}

}  // namespace

bool EnabledAutomation::isDue(Date now) const {
    return !lastRun || secondsBetween(*lastRun, now) >= interval(rule.schedule);
}

}  // namespace tandor

tandor::EnabledAutomation nlohmann::adl_serializer<tandor::EnabledAutomation>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "enabled automation");
    return EnabledAutomation{
        decode::requireKey(value, "rule").get<AutomationRule>(),
        decode::requireDate(value, "enabledAt"), requireNonNegative(value, "previewedBytes"),
        requireNonNegative(value, "previewedCount"), decode::optionalDate(value, "lastRun")};
}

void nlohmann::adl_serializer<tandor::EnabledAutomation>::to_json(
    nlohmann::json& value, const tandor::EnabledAutomation& automation) {
    using namespace tandor;
    value = {{"rule", automation.rule},
             {"enabledAt", iso8601String(automation.enabledAt)},
             {"previewedBytes", automation.previewedBytes},
             {"previewedCount", automation.previewedCount}};
    if (automation.lastRun) {
        value["lastRun"] = iso8601String(*automation.lastRun);
    }
}

std::size_t std::hash<tandor::EnabledAutomation>::operator()(
    const tandor::EnabledAutomation& automation) const noexcept {
    return tandor::HashCombiner()
        .add(automation.rule)
        .add(automation.enabledAt)
        .add(automation.previewedBytes)
        .add(automation.previewedCount)
        .add(automation.lastRun)
        .value();
}
