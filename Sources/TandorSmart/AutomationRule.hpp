#pragma once

#include <array>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "TandorCore/SafetyLevel.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorSmart/FileFilter.hpp"

namespace tandor {

// A rule that, once the user approved a preview of it, may fill the review pile
// from the latest scan. Rules are plain values: a stored copy does not follow
// later changes of another copy. `id` is the identity and never changes.
struct AutomationRule {
    // What the rule picks: what one built-in cleanup rule finds, or files that
    // pass a filter.
    class Condition {
      public:
        static Condition builtInRule(std::string ruleID);
        static Condition files(FileFilter filter);

        // The built-in rule's id, or null for a files condition.
        const std::string* builtInRuleID() const;
        // The filter, or null for a built-in condition.
        const FileFilter* fileFilter() const;

        friend bool operator==(const Condition&, const Condition&) = default;

      private:
        struct BuiltInRule {
            std::string ruleID;
            friend bool operator==(const BuiltInRule&, const BuiltInRule&) = default;
        };

        explicit Condition(std::variant<BuiltInRule, FileFilter> value)
            : value_(std::move(value)) {}

        std::variant<BuiltInRule, FileFilter> value_;
    };

    // How often the rule is meant to run; intervals are fixed numbers of seconds.
    enum class Schedule { daily, weekly, monthly };

    // Where the proposal of the rule came from.
    enum class Origin { history, scan, user };

    AutomationRule(std::string id, std::string title, Condition condition, Schedule schedule,
                   SafetyLevel safety, Origin origin, std::vector<Evidence> why);

    std::string id;
    std::string title;
    Condition condition;
    Schedule schedule;
    SafetyLevel safety;
    Origin origin;
    // Why the rule is proposed, in order.
    std::vector<Evidence> why;

    // The condition's compact JSON with sorted keys: equal exactly when the
    // conditions are equal, so a preview goes stale when the condition changes.
    // Only compared within one run of the program; never stored.
    std::string fingerprint() const;

    // "Every week, put .dmg files in Downloads not opened for 30 days in the pile
    // for review."
    std::string summary() const;

    friend bool operator==(const AutomationRule&, const AutomationRule&) = default;
};

inline constexpr std::array allSchedules{
    AutomationRule::Schedule::daily,
    AutomationRule::Schedule::weekly,
    AutomationRule::Schedule::monthly,
};

std::string_view rawValue(AutomationRule::Schedule schedule);
// "Every day", "Every week", "Every month".
std::string_view title(AutomationRule::Schedule schedule);
// 86,400, 604,800 and 2,592,000 seconds (a month is 30 days).
double interval(AutomationRule::Schedule schedule);

std::string_view rawValue(AutomationRule::Origin origin);

void to_json(nlohmann::json& value, AutomationRule::Schedule schedule);
void from_json(const nlohmann::json& value, AutomationRule::Schedule& schedule);
void to_json(nlohmann::json& value, AutomationRule::Origin origin);
void from_json(const nlohmann::json& value, AutomationRule::Origin& origin);

}  // namespace tandor

// JSON form of a condition: an object with the one key "builtInRule" or "files"
// holding {"_0": payload}. Other keys are ignored; decoding fails with "Invalid
// number of keys found, expected one." unless exactly one of the two is there.
template <>
struct nlohmann::adl_serializer<tandor::AutomationRule::Condition> {
    static tandor::AutomationRule::Condition from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::AutomationRule::Condition& condition);
};

// JSON form of a rule: keys named as the fields, every one required ("why" may
// be []). Decoding throws DecodingError.
template <>
struct nlohmann::adl_serializer<tandor::AutomationRule> {
    static tandor::AutomationRule from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::AutomationRule& rule);
};

template <>
struct std::hash<tandor::AutomationRule::Condition> {
    std::size_t operator()(const tandor::AutomationRule::Condition& condition) const noexcept;
};
template <>
struct std::hash<tandor::AutomationRule> {
    std::size_t operator()(const tandor::AutomationRule& rule) const noexcept;
};
