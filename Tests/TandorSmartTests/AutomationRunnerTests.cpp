#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "SmartTestSupport.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorSmart/AutomationRunner.hpp"

namespace tandor {
namespace {

using namespace testing;
using Status = AutomationRunResult::Status;
using Condition = AutomationRule::Condition;

constexpr std::int64_t GB = 1'000'000'000;

AutomationRunner applicationRunner() {
    return AutomationRunner(AutomationEvaluator(readerOf(), BuiltInRules::all()), 5.0, 10 * GB);
}

EnabledAutomation enabled(AutomationRule rule, std::int64_t approvedBytes,
                          std::optional<Date> lastRun = {}) {
    return EnabledAutomation{std::move(rule), daysBefore(fixedNow(), 50), approvedBytes, 1,
                             lastRun};
}

// The home folder with one file of that size in Downloads (none for 0).
FileNodePtr downloadsHolding(std::int64_t bytes) {
    return homeTree({folder(
        "Downloads", bytes > 0 ? std::vector{file("big.dmg", bytes)} : std::vector<Node>{})});
}

TEST(AutomationRunner, GrowthCheckPausesOnlyWhenBothLimitsAreExceeded) {
    const auto tooMuch = [](const char* now, const char* approved) {
        return Status::needsNewPreview(std::string("It now catches ") + now +
                                       ", but you approved about " + approved + ".");
    };
    const struct {
        std::int64_t approved;
        std::int64_t now;
        Status status;
    } cases[] = {
        {5 * GB, 0, Status::nothingToDo()},
        {1'000'000, 6'000'000, Status::ready()},
        {20 * GB, 35 * GB, Status::ready()},
        {3 * GB, 15 * GB, Status::ready()},
        {2 * GB, 12 * GB, Status::ready()},
        {2 * GB, 12 * GB + 1, tooMuch("12 GB", "2 GB")},
        {0, 11 * GB, tooMuch("11 GB", "0 bytes")},
        {std::numeric_limits<std::int64_t>::max(), 1, Status::ready()},
    };
    const auto rule = filesRule(filterOn("Downloads"));
    for (const auto& test : cases) {
        const auto results =
            applicationRunner().run({enabled(rule, test.approved)}, downloadsHolding(test.now),
                                    contextAt(fixedNow()), false);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].status, test.status) << test.approved << " then " << test.now;
        EXPECT_EQ(results[0].suggestion().has_value(), test.status == Status::ready());
    }
    // A nonsensical approved total must not overflow the growth arithmetic.
    const auto results =
        applicationRunner().run({enabled(rule, std::numeric_limits<std::int64_t>::min())},
                                downloadsHolding(11 * GB), contextAt(fixedNow()), false);
    EXPECT_EQ(results.at(0).status.statusCase, Status::Case::needsNewPreview);
}

TEST(AutomationRunner, OnlyDueSelectsByScheduleAndKeepsTheOrder) {
    const Date now = fixedNow();
    const auto daily = [&](const char* id, std::optional<Date> lastRun) {
        auto rule = filesRule(filterOn("Downloads"), id);
        rule.schedule = AutomationRule::Schedule::daily;
        return enabled(rule, 100, lastRun);
    };
    const std::vector automations{
        daily("almost", secondsBefore(now, 86'399)), daily("never", std::nullopt),
        daily("exactly", secondsBefore(now, 86'400)), daily("justNow", secondsBefore(now, 1))};
    const auto idsOf = [](const std::vector<AutomationRunResult>& results) {
        std::vector<std::string> ids;
        for (const auto& result : results) {
            ids.push_back(result.automation.id());
        }
        return ids;
    };
    const auto runner = applicationRunner();
    const auto tree = downloadsHolding(100);
    EXPECT_THAT(idsOf(runner.run(automations, tree, contextAt(now), true)),
                ::testing::ElementsAre("never", "exactly"));
    EXPECT_THAT(idsOf(runner.run(automations, tree, contextAt(now), false)),
                ::testing::ElementsAre("almost", "never", "exactly", "justNow"));
    EXPECT_TRUE(runner.run({}, tree, contextAt(now), false).empty());
}

TEST(AutomationRunResult, ReadySuggestionCarriesTheRuleAndThePreview) {
    const auto rule = filesRule(filterOn("Downloads", {"dmg"}));
    const auto results = applicationRunner().run({enabled(rule, 1'500)}, downloadsHolding(1'500),
                                                 contextAt(fixedNow()), false);
    const auto suggestion = results.at(0).suggestion();
    ASSERT_TRUE(suggestion);
    EXPECT_EQ(suggestion->id, rule.id);
    EXPECT_EQ(suggestion->ruleID, rule.id);
    EXPECT_EQ(suggestion->title, rule.title);
    EXPECT_EQ(suggestion->category, StorageCategory::downloads);
    EXPECT_EQ(suggestion->subcategory, std::nullopt);
    EXPECT_EQ(suggestion->safety, rule.safety);
    EXPECT_EQ(suggestion->reason, rule.summary());
    EXPECT_EQ(suggestion->evidence,
              (std::vector{Evidence::observed("Today it would pick 1 item, 1.5 KB"),
                           Evidence::observed("seen"), Evidence::inferred("guessed")}));
    EXPECT_EQ(suggestion->items, results[0].preview.items);
}

TEST(AutomationRunResult, CategoryFollowsTheFolderOrTheBuiltInRule) {
    HomePlaces places(home);
    places.applyUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\n");
    const struct {
        Condition condition;
        StorageCategory category;
    } cases[] = {
        {Condition::files(filterOn("Downloads/Installers")), StorageCategory::downloads},
        {Condition::files(filterOn("DownloadsOld")), StorageCategory::downloads},
        {Condition::files(filterOn("Scaricati")), StorageCategory::downloads},
        {Condition::files(filterOn("Scaricati/Installer/")), StorageCategory::downloads},
        {Condition::files(filterOn("ScaricatiVecchi")), StorageCategory::other},
        {Condition::files(filterOn("downloads")), StorageCategory::other},
        {Condition::files(filterOn("Desktop")), StorageCategory::other},
        {Condition::builtInRule("cache.npm"), StorageCategory::caches},
        {Condition::builtInRule("no.such.rule"), StorageCategory::other},
    };
    for (const auto& test : cases) {
        const auto rule = ruleWith(test.condition);
        EXPECT_EQ(AutomationRunResult::categoryOf(rule, places), test.category) << rule.summary();
    }
}

}  // namespace
}  // namespace tandor
