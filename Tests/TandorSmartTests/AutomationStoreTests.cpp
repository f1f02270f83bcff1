#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "SmartTestSupport.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorSmart/AutomationError.hpp"
#include "TandorSmart/AutomationStore.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace testing;
using ::testing::ElementsAre;
using Schedule = AutomationRule::Schedule;

AutomationPreview previewOf(const AutomationRule& rule, Date date,
                            std::vector<std::int64_t> sizes = {10, 20}) {
    AutomationPreview preview{rule.id, rule.fingerprint(), date, {}, {}, 0};
    for (const auto bytes : sizes) {
        preview.items.push_back({"/home/u/Downloads/f" + std::to_string(bytes), bytes, {}, {}});
    }
    return preview;
}

const AutomationRule ruleA = filesRule(filterOn("Downloads", {"dmg"}, std::nullopt, 30), "a");
const AutomationRule ruleB = ruleWith(AutomationRule::Condition::builtInRule("cache.npm"), "b");

std::vector<std::string> idsOf(const std::vector<EnabledAutomation>& automations) {
    std::vector<std::string> ids;
    for (const auto& automation : automations) {
        ids.push_back(automation.id());
    }
    return ids;
}

template <typename Operation>
void expectAutomationError(Operation operation, const AutomationError& expected) {
    try {
        operation();
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error, expected);
    }
}

TEST(AutomationStore, DefaultFileIsInTheSupportFolder) {
    const FixtureHome fixture;
    EXPECT_EQ(AutomationStore::defaultURL(), supportFolderPath() + "/automations.json");
    EXPECT_FALSE(std::filesystem::exists(supportFolderPath()));
}

TEST(AutomationStore, EnableNeedsAFreshPreviewOfThatVeryRule) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    const Date now = fixedNow();
    const auto stale = AutomationError::previewMissingOrStale("a");
    EXPECT_STREQ(stale.what(), "Preview the rule a again before turning it on.");

    expectAutomationError(
        [&] { store.enable(ruleA, previewOf(ruleA, secondsBefore(now, 86'401)), now); }, stale);
    const auto changed = filesRule(filterOn("Downloads", {"dmg"}, std::nullopt, 31), "a");
    expectAutomationError([&] { store.enable(ruleA, previewOf(changed, now), now); }, stale);
    expectAutomationError([&] { store.enable(ruleA, previewOf(ruleB, now), now); }, stale);
    EXPECT_TRUE(store.enabled().empty());
    EXPECT_FALSE(std::filesystem::exists(store.fileURL()));

    store.enable(ruleA, previewOf(ruleA, secondsBefore(now, 86'400)), now);
    EXPECT_TRUE(store.isEnabled("a"));
    EXPECT_FALSE(store.isEnabled("A"));
}

TEST(AutomationStore, EnablingAgainReplacesTheEntryAtTheEnd) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    const Date now = fixedNow();
    store.enable(ruleA, previewOf(ruleA, now), now);
    store.enable(ruleB, previewOf(ruleB, now, {}), now);
    store.markRun("a", now);

    const Date later = now + std::chrono::hours{1};
    store.enable(ruleA, previewOf(ruleA, later, {5}), later);

    const auto enabled = store.enabled();
    ASSERT_THAT(idsOf(enabled), ElementsAre("b", "a"));
    EXPECT_EQ(enabled[0], (EnabledAutomation{ruleB, now, 0, 0, std::nullopt}));
    EXPECT_EQ(enabled[1], (EnabledAutomation{ruleA, later, 5, 1, std::nullopt}));
    EXPECT_EQ(AutomationStore(store.fileURL()).enabled(), enabled);
}

TEST(AutomationStore, DisableAlwaysWritesAndMarkRunNeedsAnEnabledRule) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    expectAutomationError([&] { store.markRun("x", fixedNow()); },
                          AutomationError::unknownRule("x"));
    EXPECT_STREQ(AutomationError::unknownRule("x").what(), "No automation with id x.");
    EXPECT_FALSE(std::filesystem::exists(supportFolderPath()));

    store.disable("x");
    EXPECT_EQ(nlohmann::json::parse(contentsOf(store.fileURL())), nlohmann::json::array());

    const Date now = fixedNow();
    store.enable(ruleA, previewOf(ruleA, now), now);
    store.markRun("a", now + std::chrono::milliseconds{2'500});
    EXPECT_EQ(AutomationStore(store.fileURL()).enabled().at(0).lastRun,
              now + std::chrono::seconds{2});
    store.disable("a");
    EXPECT_TRUE(AutomationStore(store.fileURL()).enabled().empty());
}

TEST(EnabledAutomation, DueAfterOneWholeInterval) {
    const Date now = fixedNow();
    const auto dueAfter = [&](Schedule schedule, std::optional<std::int64_t> secondsAgo) {
        auto rule = ruleA;
        rule.schedule = schedule;
        const auto lastRun =
            secondsAgo ? std::optional<Date>(secondsBefore(now, *secondsAgo)) : std::nullopt;
        return EnabledAutomation{rule, now, 0, 0, lastRun}.isDue(now);
    };
    EXPECT_TRUE(dueAfter(Schedule::daily, std::nullopt));
    EXPECT_FALSE(dueAfter(Schedule::daily, 86'399));
    EXPECT_TRUE(dueAfter(Schedule::daily, 86'400));
    EXPECT_FALSE(dueAfter(Schedule::weekly, 604'799));
    EXPECT_TRUE(dueAfter(Schedule::weekly, 604'800));
    EXPECT_FALSE(dueAfter(Schedule::monthly, 30 * 86'400 - 1));
    EXPECT_TRUE(dueAfter(Schedule::monthly, 30 * 86'400));
    EXPECT_FALSE(dueAfter(Schedule::daily, -5));
}

TEST(AutomationStore, FileListsSortedKeysAndLeavesAnAbsentLastRunOut) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    const Date now = fixedNow();
    store.enable(ruleA, previewOf(ruleA, now), now);
    const std::string text = contentsOf(store.fileURL());
    const auto enabledAt = text.find("\"enabledAt\"");
    const auto bytes = text.find("\"previewedBytes\"");
    const auto count = text.find("\"previewedCount\"");
    const auto rule = text.find("\"rule\"");
    EXPECT_LT(enabledAt, bytes);
    EXPECT_LT(bytes, count);
    EXPECT_LT(count, rule);
    EXPECT_EQ(text.find("lastRun"), std::string::npos);
    EXPECT_NE(text.find("\"2025-06-15T12:00:00Z\""), std::string::npos);
    EXPECT_EQ(text.find("null"), std::string::npos);
}

nlohmann::json storedEntry() {
    return {{"enabledAt", "2025-06-01T09:30:00Z"},
            {"previewedBytes", 30},
            {"previewedCount", 2},
            {"rule", ruleA}};
}

nlohmann::json storedEntryWith(const std::string& key, const nlohmann::json& value) {
    auto entry = storedEntry();
    if (value.is_discarded()) {
        entry.erase(key);
    } else {
        entry[key] = value;
    }
    return entry;
}

TEST(AutomationStore, ReadsItsFileAndRefusesWhatItCannotTrust) {
    const FixtureHome fixture;
    const std::string path = AutomationStore::defaultURL();
    writeFile(path, nlohmann::json::array({storedEntry()}).dump());
    const auto loaded = AutomationStore(path).enabled();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].rule, ruleA);
    EXPECT_EQ(loaded[0].lastRun, std::nullopt);
    EXPECT_EQ(loaded[0].previewedBytes, 30);

    const auto missing = nlohmann::json(nlohmann::json::value_t::discarded);
    const std::string unreadable[] = {
        "",
        "[{",
        "{}",
        "null",
        nlohmann::json::array({storedEntryWith("previewedCount", missing)}).dump(),
        nlohmann::json::array({storedEntryWith("previewedBytes", "30")}).dump(),
        nlohmann::json::array({storedEntryWith("previewedBytes", -1)}).dump(),
        nlohmann::json::array({storedEntryWith("previewedCount", -1)}).dump(),
        nlohmann::json::array({storedEntryWith("previewedBytes", 9223372036854775808ULL)}).dump(),
        nlohmann::json::array({storedEntryWith("enabledAt", "yesterday")}).dump(),
        nlohmann::json::array({storedEntryWith("lastRun", 5)}).dump(),
        nlohmann::json::array({storedEntryWith("rule", missing)}).dump(),
    };
    for (const auto& contents : unreadable) {
        writeFile(path, contents);
        EXPECT_ANY_THROW(AutomationStore{path}) << contents;
        EXPECT_EQ(contentsOf(path), contents);
    }
}

TEST(AutomationStore, AFailedWriteChangesNothing) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    const Date now = fixedNow();
    store.enable(ruleA, previewOf(ruleA, now), now);
    const auto before = store.enabled();
    const std::string file = contentsOf(store.fileURL());

    // A folder where the lock file belongs makes every write fail, even for root.
    const std::string lock = store.fileURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);
    EXPECT_THROW(store.enable(ruleB, previewOf(ruleB, now), now), FileError);
    EXPECT_THROW(store.disable("a"), FileError);
    EXPECT_THROW(store.markRun("a", now), FileError);
    EXPECT_EQ(store.enabled(), before);
    EXPECT_EQ(contentsOf(store.fileURL()), file);

    std::filesystem::remove(lock);
    store.markRun("a", now);
    EXPECT_THAT(idsOf(AutomationStore(store.fileURL()).enabled()), ElementsAre("a"));
}

TEST(AutomationStore, FileSpoiledAfterLoadingIsNeverWrittenOver) {
    const FixtureHome fixture;
    AutomationStore store(AutomationStore::defaultURL());
    const Date now = fixedNow();
    store.enable(ruleA, previewOf(ruleA, now), now);
    writeFile(store.fileURL(), "[{");
    EXPECT_THROW(store.disable("a"), DecodingError);
    EXPECT_EQ(contentsOf(store.fileURL()), "[{");
    EXPECT_TRUE(store.isEnabled("a"));
}

TEST(AutomationStore, TwoStoresOnOneFileKeepEachOthersChanges) {
    const FixtureHome fixture;
    AutomationStore first(AutomationStore::defaultURL());
    AutomationStore second(AutomationStore::defaultURL());
    const Date now = fixedNow();
    first.enable(ruleA, previewOf(ruleA, now), now);
    second.enable(ruleB, previewOf(ruleB, now), now);
    EXPECT_THAT(idsOf(second.enabled()), ElementsAre("a", "b"));

    second.disable("a");
    expectAutomationError([&] { first.markRun("a", now); }, AutomationError::unknownRule("a"));
    EXPECT_THAT(idsOf(AutomationStore(first.fileURL()).enabled()), ElementsAre("b"));
}

}  // namespace
}  // namespace tandor
