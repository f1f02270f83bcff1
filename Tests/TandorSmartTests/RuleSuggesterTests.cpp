#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SmartTestSupport.hpp"
#include "TandorSmart/RuleSuggester.hpp"

namespace tandor::rule_suggester_tests {
namespace {

using namespace testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Condition = AutomationRule::Condition;

constexpr std::int64_t GB = 1'000'000'000;

const RuleSuggester applicationSuggester(3, 180, 0.2, GB);

HistoryRecord moved(const std::string& path, std::int64_t bytes, Date date,
                    std::optional<std::string> ruleID = {}, bool restored = false) {
    HistoryRecord record(path, "/trash/" + path, bytes, std::move(ruleID), date);
    record.restored = restored;
    return record;
}

// count records of bytes each at path, one day apart, the first restoredCount put back.
std::vector<HistoryRecord> repeated(const std::string& path, int count, std::int64_t bytes = 100,
                                    int restoredCount = 0) {
    std::vector<HistoryRecord> records;
    for (int i = 0; i < count; ++i) {
        records.push_back(
            moved(path, bytes, daysBefore(fixedNow(), i + 1), std::nullopt, i < restoredCount));
    }
    return records;
}

std::vector<HistoryRecord> joined(std::initializer_list<std::vector<HistoryRecord>> groups) {
    std::vector<HistoryRecord> all;
    for (const auto& group : groups) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

Suggestion scanned(const std::string& ruleID, std::int64_t bytes,
                   SafetyLevel safety = SafetyLevel::regenerable) {
    return Suggestion(ruleID, "Title of " + ruleID, StorageCategory::caches, std::nullopt, safety,
                      "It is a cache.", {}, {{"/home/u/x", bytes, {}, {}}});
}

std::vector<AutomationRule> suggest(const std::vector<HistoryRecord>& history,
                                    const std::vector<Suggestion>& suggestions = {},
                                    const std::unordered_set<std::string>& enabled = {}) {
    return applicationSuggester.suggest(history, suggestions, enabled, contextAt(fixedNow()));
}

std::vector<std::string> idsOf(const std::vector<AutomationRule>& rules) {
    std::vector<std::string> ids;
    for (const auto& rule : rules) {
        ids.push_back(rule.id);
    }
    return ids;
}

TEST(RuleSuggester, ThreeFilesOfOneExtensionFromOneFolderMakeAHabit) {
    const auto rules =
        suggest({moved("/home/u/Downloads/a.dmg", 100, daysBefore(fixedNow(), 1)),
                 moved("/home/u/Downloads/b.DMG", 200, daysBefore(fixedNow(), 1)),
                 moved("/home/u/Downloads/c.dmg", 300, daysBefore(fixedNow(), 170))});
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0],
              AutomationRule(
                  "auto.files.Downloads.dmg", ".dmg files in Downloads",
                  Condition::files(FileFilter("Downloads", {"dmg"}, std::nullopt, 30, false)),
                  AutomationRule::Schedule::weekly, SafetyLevel::existsElsewhere,
                  AutomationRule::Origin::history,
                  {Evidence::observed("You moved 3 .dmg files from Downloads to the Trash in the "
                                      "last 6 months (600 bytes)"),
                   Evidence::observed("You never put one back"),
                   Evidence::inferred("You seem to remove these once you are done with them. "
                                      "Files opened in the last 30 days are left alone.")}));
}

TEST(RuleSuggester, HabitIDsKeepTheFoldersCase) {
    EXPECT_THAT(idsOf(suggest(repeated("/home/u/Downloads/a.dmg", 2))), IsEmpty());

    const auto rules = suggest(
        joined({repeated("/home/u/Documents/Old/scan.PDF", 3),
                repeated("/home/u/Downloads/a.dmg", 3), repeated("/home/u/downloads/a.dmg", 3)}));
    EXPECT_THAT(idsOf(rules), ElementsAre("auto.files.Documents/Old.pdf",
                                          "auto.files.Downloads.dmg", "auto.files.downloads.dmg"));
    EXPECT_EQ(rules[0].title, ".pdf files in Documents/Old");
    EXPECT_EQ(rules[0].safety, SafetyLevel::needsReview);
    EXPECT_EQ(rules[2].condition.fileFilter()->folder, "downloads");
}

TEST(RuleSuggester, PackagesOfEitherPlatformCanBeDownloadedAgain) {
    const auto rules = suggest(
        joined({repeated("/home/u/Downloads/a.deb", 3), repeated("/home/u/Downloads/b.rpm", 3),
                repeated("/home/u/Downloads/c.pkg", 3)}));
    ASSERT_EQ(rules.size(), 3u);
    for (const auto& rule : rules) {
        EXPECT_EQ(rule.safety, SafetyLevel::existsElsewhere) << rule.id;
    }
}

TEST(RuleSuggester, RestoredShareAboveTheLimitStopsAProposal) {
    EXPECT_THAT(suggest(repeated("/home/u/Downloads/a.zip", 5, 100, 2)), IsEmpty());

    const auto rules = suggest(repeated("/home/u/Downloads/a.zip", 5, 100, 1));
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(
        rules[0].why[0].text,
        "You moved 5 .zip files from Downloads to the Trash in the last 6 months (400 bytes)");
    EXPECT_EQ(rules[0].why[1], Evidence::observed("You put back 1 of them"));
}

TEST(RuleSuggester, WhatNeverFormsAHabit) {
    const Date now = fixedNow();
    const std::vector<HistoryRecord> groups[] = {
        repeated("/home/u/Library/Caches/x.dmg", 3),
        repeated("/home/u/LibraryStuff/x.dmg", 3),
        repeated("/home/u/x.dmg", 3),
        repeated("/home/u/Downloads/noext", 3),
        repeated("/home/u/Downloads/.zshrc", 3),
        repeated("/home/u2/Downloads/x.dmg", 3),
        repeated("/tmp/x.dmg", 3),
        {moved("/home/u/Old/a.dmg", 1, daysBefore(now, 181)),
         moved("/home/u/Old/b.dmg", 1, daysBefore(now, 181)),
         moved("/home/u/Old/c.dmg", 1, daysBefore(now, 1))},
    };
    for (const auto& group : groups) {
        EXPECT_THAT(suggest(group), IsEmpty()) << group[0].originalPath;
    }
    const auto future = now + std::chrono::hours{24};
    EXPECT_EQ(suggest({moved("/home/u/Old/a.dmg", 1, future), moved("/home/u/Old/b.dmg", 1, future),
                       moved("/home/u/Old/c.dmg", 1, daysBefore(now, 180))})
                  .size(),
              1u);
}

TEST(RuleSuggester, RegenerableCleanupRepeatedOnTwoUTCDaysIsProposed) {
    using namespace std::chrono;
    const Date midnight = sys_days{year{2025} / June / 14};
    const auto cleaned = [](Date first, Date second, const char* ruleID = "cache.npm",
                            bool restored = false) {
        return std::vector{moved("/home/u/.npm/_cacache", 100, first, ruleID),
                           moved("/home/u/.npm/_cacache", 200, second, ruleID, restored)};
    };
    const auto rules = suggest(cleaned(midnight - seconds{1}, midnight));
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0],
              AutomationRule(
                  "auto.rule.cache.npm", "npm cache", Condition::builtInRule("cache.npm"),
                  AutomationRule::Schedule::weekly, SafetyLevel::regenerable,
                  AutomationRule::Origin::history,
                  {Evidence::observed("You cleaned it on 2 different days, 300 bytes in total"),
                   Evidence::inferred("Downloaded package tarballs. npm "
                                      "downloads them again when needed.")}));

    EXPECT_THAT(suggest(cleaned(midnight, midnight + hours{23})), IsEmpty());
    EXPECT_THAT(suggest(cleaned(midnight - days{3}, midnight, "simulator.devices")), IsEmpty());
    EXPECT_THAT(suggest(cleaned(midnight - days{3}, midnight, "ai.ollama")), IsEmpty());
    EXPECT_THAT(suggest(cleaned(midnight - days{3}, midnight, "no.such.rule")), IsEmpty());
    EXPECT_THAT(suggest(cleaned(midnight - days{3}, midnight, "cache.npm", true)), IsEmpty());
}

TEST(RuleSuggester, LargeRegenerableBuiltInScanSuggestionsAreProposed) {
    const auto rules = suggest({}, {scanned("cache.npm", GB), scanned("cache.yarn", GB - 1),
                                    scanned("ai.ollama", 5 * GB, SafetyLevel::existsElsewhere),
                                    scanned("custom.rule", 5 * GB)});
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0],
              AutomationRule("auto.rule.cache.npm", "Title of cache.npm",
                             Condition::builtInRule("cache.npm"), AutomationRule::Schedule::weekly,
                             SafetyLevel::regenerable, AutomationRule::Origin::scan,
                             {Evidence::observed("It takes 1 GB today"),
                              Evidence::inferred("It is a cache. It grows back, so a "
                                                 "weekly check keeps it small.")}));
}

TEST(RuleSuggester, OrderDeduplicationAndEnabledRules) {
    const Date now = fixedNow();
    const auto history =
        joined({repeated("/home/u/Downloads/a.dmg", 3),
                repeated("/home/u/Desktop/a.zip", 3),
                {moved("/home/u/.npm/_cacache", 1, daysBefore(now, 1), "cache.npm"),
                 moved("/home/u/.npm/_cacache", 1, daysBefore(now, 2), "cache.npm")}});
    const std::vector scan{scanned("cache.yarn", GB), scanned("cache.npm", GB),
                           scanned("cache.gradle", GB)};

    const auto rules = suggest(history, scan);
    EXPECT_THAT(idsOf(rules), ElementsAre("auto.files.Desktop.zip", "auto.files.Downloads.dmg",
                                          "auto.rule.cache.npm", "auto.rule.cache.yarn",
                                          "auto.rule.cache.gradle"));
    EXPECT_EQ(rules[2].origin, AutomationRule::Origin::history);

    EXPECT_THAT(
        idsOf(suggest(history, scan, {"auto.files.Desktop.zip", "auto.rule.cache.yarn"})),
        ElementsAre("auto.files.Downloads.dmg", "auto.rule.cache.npm", "auto.rule.cache.gradle"));
    EXPECT_THAT(suggest({}, {}), IsEmpty());
}

}  // namespace
}  // namespace tandor::rule_suggester_tests
