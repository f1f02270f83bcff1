#include "TandorSmart/AutomationRule.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/RawValueTable.hpp"
#include "TandorCore/UnicodeText.hpp"
#include "TandorSmart/BuiltInRuleTitles.hpp"

namespace tandor {
namespace {

using Schedule = AutomationRule::Schedule;
using Origin = AutomationRule::Origin;

struct ScheduleRow {
    Schedule value;
    std::string_view raw;
    std::string_view title;
    double interval;
};

constexpr std::array<ScheduleRow, allSchedules.size()> scheduleRows{{
    {Schedule::daily, "daily", "Every day", 86'400},
    {Schedule::weekly, "weekly", "Every week", 604'800},
    {Schedule::monthly, "monthly", "Every month", 2'592'000},
}};

struct OriginRow {
    Origin value;
    std::string_view raw;
};

constexpr std::array<OriginRow, 3> originRows{{
    {Origin::history, "history"},
    {Origin::scan, "scan"},
    {Origin::user, "user"},
}};

const ScheduleRow& row(Schedule schedule) {
    return scheduleRows[static_cast<std::size_t>(schedule)];
}

std::vector<Evidence> requireEvidence(const nlohmann::json& object, std::string_view key) {
    return decode::requireArray(object, key).get<std::vector<Evidence>>();
}

}  // namespace

AutomationRule::Condition AutomationRule::Condition::builtInRule(std::string ruleID) {
    return Condition(BuiltInRule{std::move(ruleID)});
}

AutomationRule::Condition AutomationRule::Condition::files(FileFilter filter) {
    return Condition(std::move(filter));
}

const std::string* AutomationRule::Condition::builtInRuleID() const {
    const auto* builtIn = std::get_if<BuiltInRule>(&value_);
    return builtIn ? &builtIn->ruleID : nullptr;
}

const FileFilter* AutomationRule::Condition::fileFilter() const {
    return std::get_if<FileFilter>(&value_);
}

AutomationRule::AutomationRule(std::string id, std::string title, Condition condition,
                               Schedule schedule, SafetyLevel safety, Origin origin,
                               std::vector<Evidence> why)
    : id(std::move(id)),
      title(std::move(title)),
      condition(std::move(condition)),
      schedule(schedule),
      safety(safety),
      origin(origin),
      why(std::move(why)) {
}

std::string AutomationRule::fingerprint() const {
    // Texts are written in the lossless path form, so the dump cannot meet
    // invalid UTF-8; nlohmann keeps object keys sorted.
    return nlohmann::json(condition).dump();
}

std::string AutomationRule::summary() const {
    std::string picked;
    if (const auto* ruleID = condition.builtInRuleID()) {
        picked = unicode::lowercased(BuiltInRuleTitles::title(*ruleID).value_or(*ruleID));
    } else {
        picked = condition.fileFilter()->summary();
    }
    return std::string(tandor::title(schedule)) + ", put " + picked + " in the pile for review.";
}

std::string_view rawValue(Schedule schedule) {
    return row(schedule).raw;
}

std::string_view title(Schedule schedule) {
    return row(schedule).title;
}

double interval(Schedule schedule) {
    return row(schedule).interval;
}

std::string_view rawValue(Origin origin) {
    return originRows[static_cast<std::size_t>(origin)].raw;
}

void to_json(nlohmann::json& value, Schedule schedule) {
    value = rawValue(schedule);
}

void from_json(const nlohmann::json& value, Schedule& schedule) {
    schedule = caseFromJSON(scheduleRows, value, "schedule");
}

void to_json(nlohmann::json& value, Origin origin) {
    value = rawValue(origin);
}

void from_json(const nlohmann::json& value, Origin& origin) {
    origin = caseFromJSON(originRows, value, "origin");
}

}  // namespace tandor

tandor::AutomationRule::Condition nlohmann::adl_serializer<
    tandor::AutomationRule::Condition>::from_json(const nlohmann::json& value) {
    using namespace tandor;
    using Condition = AutomationRule::Condition;
    decode::requireObject(value, "condition");
    const bool builtIn = value.contains("builtInRule");
    const bool files = value.contains("files");
    if (builtIn == files) {
        throw DecodingError("Invalid number of keys found, expected one.");
    }
    const auto& payload = decode::requireObject(value.at(builtIn ? "builtInRule" : "files"),
                                                builtIn ? "builtInRule" : "files");
    if (builtIn) {
        return Condition::builtInRule(decode::requireString(payload, "_0"));
    }
    return Condition::files(decode::requireKey(payload, "_0").get<FileFilter>());
}

void nlohmann::adl_serializer<tandor::AutomationRule::Condition>::to_json(
    nlohmann::json& value, const tandor::AutomationRule::Condition& condition) {
    using namespace tandor;
    if (const auto* ruleID = condition.builtInRuleID()) {
        value = {{"builtInRule", {{"_0", pathToJSON(*ruleID)}}}};
    } else {
        value = {{"files", {{"_0", *condition.fileFilter()}}}};
    }
}

tandor::AutomationRule nlohmann::adl_serializer<tandor::AutomationRule>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "automation rule");
    return AutomationRule(decode::requireString(value, "id"), decode::requireString(value, "title"),
                          decode::requireKey(value, "condition").get<AutomationRule::Condition>(),
                          decode::requireKey(value, "schedule").get<AutomationRule::Schedule>(),
                          decode::requireKey(value, "safety").get<SafetyLevel>(),
                          decode::requireKey(value, "origin").get<AutomationRule::Origin>(),
                          requireEvidence(value, "why"));
}

void nlohmann::adl_serializer<tandor::AutomationRule>::to_json(nlohmann::json& value,
                                                               const tandor::AutomationRule& rule) {
    using namespace tandor;
    value = {{"id", pathToJSON(rule.id)},
             {"title", pathToJSON(rule.title)},
             {"condition", rule.condition},
             {"schedule", rule.schedule},
             {"safety", rule.safety},
             {"origin", rule.origin},
             {"why", rule.why}};
}

std::size_t std::hash<tandor::AutomationRule::Condition>::operator()(
    const tandor::AutomationRule::Condition& condition) const noexcept {
    tandor::HashCombiner combiner;
    if (const auto* ruleID = condition.builtInRuleID()) {
        return combiner.add(0).add(*ruleID).value();
    }
    return combiner.add(1).add(*condition.fileFilter()).value();
}

std::size_t std::hash<tandor::AutomationRule>::operator()(
    const tandor::AutomationRule& rule) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(rule.id).add(rule.title).add(rule.condition).add(rule.schedule);
    combiner.add(rule.safety).add(rule.origin);
    for (const auto& line : rule.why) {
        combiner.add(line);
    }
    return combiner.add(rule.why.size()).value();
}
