#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "SmartTestSupport.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorSmart/AutomationRule.hpp"
#include "TandorSmart/FileFilter.hpp"

namespace tandor {
namespace {

using namespace testing;
using Condition = AutomationRule::Condition;
using Schedule = AutomationRule::Schedule;

const char* const validRule = R"({
    "id": "auto.files.Downloads.dmg", "title": ".dmg files in Downloads",
    "condition": {"files": {"_0": {"folder": "Downloads", "extensions": ["dmg"],
                                    "notOpenedForDays": 30, "includeSubfolders": false}}},
    "schedule": "weekly", "safety": "existsElsewhere", "origin": "history",
    "why": [{"kind": "observed", "text": "You moved 3 files"}]})";

nlohmann::json validRuleWith(const std::string& pointer, const nlohmann::json& value) {
    auto json = nlohmann::json::parse(validRule);
    json[nlohmann::json::json_pointer(pointer)] = value;
    return json;
}

nlohmann::json validRuleWithout(const std::string& pointer) {
    auto json = nlohmann::json::parse(validRule);
    const nlohmann::json::json_pointer path(pointer);
    json[path.parent_pointer()].erase(path.back());
    return json;
}

TEST(FileFilter, CreationLowersExtensionsAndKeepsThemDistinct) {
    const auto filter = filterOn("Downloads", {"DMG", "dmg", "Zip", ".Pkg"});
    EXPECT_EQ(filter.extensions, (std::set<std::string>{".pkg", "dmg", "zip"}));
    EXPECT_EQ(filterOn("Downloads", {"DMG", "dmg", "Zip"}).summary(),
              ".dmg, .zip files in Downloads");
}

TEST(FileFilter, Summaries) {
    const struct {
        FileFilter filter;
        const char* summary;
    } cases[] = {
        {filterOn("Downloads"), "items in Downloads"},
        {filterOn("Downloads", {"pkg", "dmg"}, 90, 30),
         ".dmg, .pkg files in Downloads not opened for 30 days"},
        {filterOn("Documents/Old", {}, 1), "items in Documents/Old older than 1 days"},
        {filterOn("Desktop", {"iso"}, std::nullopt, -2),
         ".iso files in Desktop not opened for -2 days"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(test.filter.summary(), test.summary);
    }
}

TEST(AutomationRule, Summaries) {
    const struct {
        AutomationRule rule;
        const char* summary;
    } cases[] = {
        {filesRule(filterOn("Downloads", {"dmg"}, std::nullopt, 30)),
         "Every week, put .dmg files in Downloads not opened for 30 days in the pile for review."},
        {ruleWith(Condition::builtInRule("My.Rule"), "r", Schedule::daily),
         "Every day, put my.rule in the pile for review."},
        {ruleWith(Condition::builtInRule("cache.npm"), "r", Schedule::monthly),
         "Every month, put npm cache in the pile for review."},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(test.rule.summary(), test.summary);
    }
}

TEST(AutomationRule, Schedules) {
    const struct {
        Schedule schedule;
        const char* raw;
        const char* title;
        double interval;
    } cases[] = {{Schedule::daily, "daily", "Every day", 86'400},
                 {Schedule::weekly, "weekly", "Every week", 604'800},
                 {Schedule::monthly, "monthly", "Every month", 2'592'000}};
    ASSERT_EQ(allSchedules.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(allSchedules[i], cases[i].schedule);
        EXPECT_EQ(rawValue(cases[i].schedule), cases[i].raw);
        EXPECT_EQ(title(cases[i].schedule), cases[i].title);
        EXPECT_EQ(interval(cases[i].schedule), cases[i].interval);
    }
}

TEST(AutomationRule, FingerprintIsTheConditionsCompactSortedJSON) {
    EXPECT_EQ(ruleWith(Condition::builtInRule("cache.npm")).fingerprint(),
              R"({"builtInRule":{"_0":"cache.npm"}})");
    EXPECT_EQ(filesRule(filterOn("Downloads", {"zip", "DMG"}, std::nullopt, 30)).fingerprint(),
              R"({"files":{"_0":{"extensions":["dmg","zip"],"folder":"Downloads",)"
              R"("includeSubfolders":false,"notOpenedForDays":30}}})");
}

TEST(AutomationRule, FingerprintFollowsTheConditionOnly) {
    const auto base = filesRule(filterOn("Downloads", {"dmg"}, std::nullopt, 30));
    auto renamed = base;
    renamed.title = "Other";
    renamed.schedule = Schedule::daily;
    renamed.safety = SafetyLevel::regenerable;
    renamed.origin = AutomationRule::Origin::scan;
    renamed.why = {};
    EXPECT_NE(renamed, base);
    EXPECT_EQ(renamed.fingerprint(), base.fingerprint());

    const FileFilter changes[] = {
        filterOn("downloads", {"dmg"}, std::nullopt, 30),
        filterOn("Downloads", {"dmg", "iso"}, std::nullopt, 30),
        filterOn("Downloads", {"dmg"}, 30, 30),
        filterOn("Downloads", {"dmg"}, std::nullopt, 31),
        filterOn("Downloads", {"dmg"}, std::nullopt, 30, true),
    };
    for (const auto& changed : changes) {
        EXPECT_NE(filesRule(changed).fingerprint(), base.fingerprint()) << changed.summary();
    }
}

TEST(AutomationRule, EqualConditionsHaveEqualFingerprintsAndHashes) {
    const auto a = Condition::files(filterOn("Downloads", {"ZIP", "dmg"}, 1, 2));
    const auto b = Condition::files(filterOn("Downloads", {"dmg", "zip", "Zip"}, 1, 2));
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<Condition>{}(a), std::hash<Condition>{}(b));
    EXPECT_EQ(ruleWith(a).fingerprint(), ruleWith(b).fingerprint());
    EXPECT_EQ(std::hash<AutomationRule>{}(ruleWith(a)), std::hash<AutomationRule>{}(ruleWith(b)));
}

TEST(AutomationRule, OrderOfWhyLinesMatters) {
    auto a = ruleWith(Condition::builtInRule("x"));
    auto b = a;
    std::swap(b.why[0], b.why[1]);
    EXPECT_NE(a, b);
}

TEST(AutomationRuleJSON, RoundTripsBothConditionsAndAnyFolderBytes) {
    const AutomationRule rules[] = {
        ruleWith(Condition::builtInRule("cache.npm")),
        filesRule(filterOn("Downloads", {"dmg", "zip"}, 90, 30, true)),
        filesRule(filterOn("Caf\xE9 \xFF", {"pdf"})),
    };
    for (const auto& rule : rules) {
        const std::string text = nlohmann::json(rule).dump();
        EXPECT_EQ(nlohmann::json::parse(text).get<AutomationRule>(), rule) << text;
        EXPECT_FALSE(rule.fingerprint().empty());
    }
}

TEST(AutomationRuleJSON, ReadsGoodForms) {
    const auto decoded = [](const nlohmann::json& json) { return json.get<AutomationRule>(); };
    const auto filterOf = [](const AutomationRule& rule) { return *rule.condition.fileFilter(); };

    const auto plain = decoded(nlohmann::json::parse(validRule));
    EXPECT_EQ(plain.id, "auto.files.Downloads.dmg");
    EXPECT_EQ(plain.schedule, Schedule::weekly);
    EXPECT_EQ(plain.safety, SafetyLevel::existsElsewhere);
    EXPECT_EQ(plain.origin, AutomationRule::Origin::history);
    EXPECT_EQ(plain.why, (std::vector{Evidence::observed("You moved 3 files")}));
    EXPECT_EQ(filterOf(plain), filterOn("Downloads", {"dmg"}, std::nullopt, 30));

    const auto nulls = decoded(validRuleWith("/condition/files/_0/notOpenedForDays", nullptr));
    EXPECT_EQ(filterOf(nulls).notOpenedForDays, std::nullopt);
    EXPECT_EQ(filterOf(nulls).olderThanDays, std::nullopt);
    const auto written = nlohmann::json(nulls)["condition"]["files"]["_0"];
    EXPECT_FALSE(written.contains("notOpenedForDays"));
    EXPECT_FALSE(written.contains("olderThanDays"));

    const auto verbatim =
        decoded(validRuleWith("/condition/files/_0/extensions", {"DMG", "dmg", "DMG"}));
    EXPECT_EQ(filterOf(verbatim).extensions, (std::set<std::string>{"DMG", "dmg"}));

    auto extraKeys = nlohmann::json::parse(validRule);
    extraKeys["condition"]["other"] = 1;
    extraKeys["condition"]["files"]["more"] = true;
    extraKeys["unknown"] = "ignored";
    EXPECT_EQ(decoded(extraKeys), plain);

    EXPECT_TRUE(decoded(validRuleWith("/why", nlohmann::json::array())).why.empty());
    EXPECT_EQ(*decoded(validRuleWith("/condition", {{"builtInRule", {{"_0", "cache.npm"}}}}))
                   .condition.builtInRuleID(),
              "cache.npm");
}

TEST(AutomationRuleJSON, RefusesBadForms) {
    const auto wrongKeyCount = "Invalid number of keys found, expected one.";
    const struct {
        nlohmann::json json;
        const char* message;
    } cases[] = {
        {validRuleWith("/condition/builtInRule", {{"_0", "x"}}), wrongKeyCount},
        {validRuleWith("/condition", nlohmann::json::object()), wrongKeyCount},
        {validRuleWith("/condition", {{"other", 1}}), wrongKeyCount},
        {validRuleWithout("/why"), nullptr},
        {validRuleWithout("/id"), nullptr},
        {validRuleWithout("/title"), nullptr},
        {validRuleWithout("/condition"), nullptr},
        {validRuleWithout("/schedule"), nullptr},
        {validRuleWithout("/safety"), nullptr},
        {validRuleWithout("/origin"), nullptr},
        {validRuleWith("/schedule", "hourly"), nullptr},
        {validRuleWith("/origin", "robot"), nullptr},
        {validRuleWith("/safety", "unsafe"), nullptr},
        {validRuleWith("/why/0/kind", "guess"), nullptr},
        {validRuleWith("/why", "none"), nullptr},
        {validRuleWith("/condition/files", {{"folder", "Downloads"}}), nullptr},
        {validRuleWith("/condition/builtInRule", {{"_0", 7}}), nullptr},
        {validRuleWithout("/condition/files/_0/includeSubfolders"), nullptr},
        {validRuleWithout("/condition/files/_0/extensions"), nullptr},
        {validRuleWithout("/condition/files/_0/folder"), nullptr},
        {validRuleWith("/condition/files/_0/extensions", "dmg"), nullptr},
        {validRuleWith("/condition/files/_0/olderThanDays", 1.5), nullptr},
        {validRuleWith("/condition/files/_0/notOpenedForDays", "30"), nullptr},
    };
    for (const auto& test : cases) {
        try {
            (void)test.json.get<AutomationRule>();
            ADD_FAILURE() << "decoded " << test.json.dump();
        } catch (const DecodingError& error) {
            if (test.message != nullptr) {
                EXPECT_STREQ(error.what(), test.message);
            }
        }
    }
}

}  // namespace
}  // namespace tandor
