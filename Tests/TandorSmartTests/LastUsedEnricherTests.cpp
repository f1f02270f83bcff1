#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SmartTestSupport.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorSmart/LastUsedEnricher.hpp"

namespace tandor {
namespace {

using namespace testing;

Suggestion suggestionOf(std::vector<SuggestionItem> items, std::vector<Evidence> evidence = {},
                        std::string ruleID = "cache.npm") {
    return Suggestion(std::move(ruleID), "npm cache", StorageCategory::caches, std::nullopt,
                      SafetyLevel::regenerable, "reason", std::move(evidence), std::move(items));
}

// count items named /f/0, /f/1, ... largest first.
std::vector<SuggestionItem> itemsNamed(int count) {
    std::vector<SuggestionItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back({"/f/" + std::to_string(i), 1'000 - i, {}, {}});
    }
    return items;
}

std::optional<std::string> lineFor(int itemCount, std::unordered_map<std::string, Date> dates,
                                   std::size_t maximumLookups = 200) {
    const auto line = LastUsedEnricher(readerOf(std::move(dates)), maximumLookups, {})
                          .evidence(itemsNamed(itemCount), fixedNow());
    if (!line) {
        return std::nullopt;
    }
    EXPECT_EQ(line->kind, Evidence::Kind::observed);
    return line->text;
}

TEST(LastUsedEnricher, WordsTheLatestDateAndWhatItRestsOn) {
    const Date now = fixedNow();
    EXPECT_EQ(lineFor(5, {{"/f/0", daysBefore(now, 9)},
                          {"/f/2", daysBefore(now, 3)},
                          {"/f/4", daysBefore(now, 20)}}),
              "Last opened 3 days ago (most recent; dates known for 3 of 5 items)");
    EXPECT_EQ(lineFor(2, {{"/f/0", daysBefore(now, 9)}, {"/f/1", now}}),
              "Last opened today (the most recent of 2 items)");
    EXPECT_EQ(lineFor(1, {{"/f/0", daysBefore(now, 1)}}), "Last opened yesterday");
    EXPECT_EQ(lineFor(1, {}), std::nullopt);
    EXPECT_EQ(lineFor(3, {{"/elsewhere", now}}), std::nullopt);
    EXPECT_EQ(lineFor(0, {}), std::nullopt);
    EXPECT_EQ(lineFor(3, {{"/f/0", now}}, 0), std::nullopt);
}

TEST(LastUsedEnricher, WordsTheAccessTimeOfAFileTheRecentListDoesNotName) {
    const Date now = fixedNow();
    const auto tree = homeTree({file("photo.jpg", 3, daysBefore(now, 100), daysBefore(now, 3))});
    const LastUsedEnricher enricher(
        std::make_shared<RecentListOrAccessTimeReader>(readerOf(), mountsWith(0), tree), 200, {});
    const auto line = enricher.evidence({{"/home/u/photo.jpg", 3, {}, {}}}, now);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->text, "Last opened 3 days ago");
}

TEST(LastUsedEnricher, LooksUpOnlyTheLargestItemsUpToTheLimit) {
    std::unordered_map<std::string, Date> dates;
    for (int i = 0; i < 350; ++i) {
        dates["/f/" + std::to_string(i)] = daysBefore(fixedNow(), i < 200 ? 3 : 0);
    }
    const auto reader = std::make_shared<CountingReader>(dates);
    const auto line = LastUsedEnricher(reader, 200, {}).evidence(itemsNamed(350), fixedNow());
    EXPECT_EQ(line->text, "Last opened 3 days ago (the most recent of 200 items)");
    EXPECT_EQ(reader->asked.size(), 200u);
    EXPECT_EQ(reader->asked.back(), "/f/199");
}

TEST(LastUsedEnricher, PutsTheLineAfterTheLeadingObservedLines) {
    const auto a = Evidence::observed("A");
    const auto b = Evidence::observed("B");
    const auto c = Evidence::inferred("C");
    const auto added = Evidence::observed("Last opened yesterday");
    const struct {
        std::vector<Evidence> before;
        std::vector<Evidence> after;
    } cases[] = {
        {{a, b, c}, {a, b, added, c}},
        {{a, b}, {a, b, added}},
        {{}, {added}},
        {{c, a}, {added, c, a}},
    };
    const LastUsedEnricher enricher(readerOf({{"/f/0", daysBefore(fixedNow(), 1)}}), 200, {});
    for (const auto& test : cases) {
        const auto suggestion = suggestionOf(itemsNamed(1), test.before);
        EXPECT_EQ(enricher.enrich(suggestion, fixedNow()),
                  suggestion.replacing(test.after, std::nullopt));
    }
}

TEST(LastUsedEnricher, LeavesSkippedAndUndatedSuggestionsAloneAndKeepsTheOrder) {
    const LastUsedEnricher enricher(readerOf({{"/f/0", fixedNow()}}), 200, {"skipped"});
    const std::vector suggestions{suggestionOf(itemsNamed(1), {}, "skipped"),
                                  suggestionOf({{"/nodate", 5, {}, {}}}, {}, "undated"),
                                  suggestionOf({}, {}, "empty"),
                                  suggestionOf(itemsNamed(1), {}, "dated")};
    const auto enriched = enricher.enrich(suggestions, fixedNow());
    ASSERT_EQ(enriched.size(), 4u);
    EXPECT_EQ(enriched[0], suggestions[0]);
    EXPECT_EQ(enriched[1], suggestions[1]);
    EXPECT_EQ(enriched[2], suggestions[2]);
    EXPECT_EQ(enriched[3].evidence, (std::vector{Evidence::observed("Last opened today")}));
    EXPECT_TRUE(enricher.enrich(std::vector<Suggestion>{}, fixedNow()).empty());
}

}  // namespace
}  // namespace tandor
