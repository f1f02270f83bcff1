#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorReview/ReviewPile.hpp"

namespace tandor {
namespace {

using Entry = ReviewPile::Entry;

std::vector<std::string> pathsOf(const ReviewPile& pile) {
    std::vector<std::string> paths;
    for (const auto& entry : pile.entries()) {
        paths.push_back(entry.path);
    }
    return paths;
}

ReviewPile pileOf(const std::vector<std::string>& paths) {
    ReviewPile pile;
    for (const auto& path : paths) {
        pile.add(Entry{path, 1, std::nullopt});
    }
    return pile;
}

TEST(ReviewPile, EmptyPileHasNothing) {
    ReviewPile pile;
    EXPECT_TRUE(pile.isEmpty());
    EXPECT_EQ(pile.count(), 0u);
    EXPECT_EQ(pile.totalBytes(), 0);
    EXPECT_FALSE(pile.undoLast());
    EXPECT_FALSE(pile.covers("/"));
    EXPECT_FALSE(pile.contains("/u"));
}

struct AddCase {
    std::vector<std::string> before;
    std::string added;
    bool accepted;
    std::vector<std::string> after;
};

class ReviewPileAdd : public ::testing::TestWithParam<AddCase> {};

TEST_P(ReviewPileAdd, KeepsNoEntryInsideAnother) {
    const auto& c = GetParam();
    ReviewPile pile = pileOf(c.before);
    EXPECT_EQ(pile.add(Entry{c.added, 1, std::nullopt}), c.accepted);
    EXPECT_EQ(pathsOf(pile), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReviewPileAdd,
    ::testing::Values(AddCase{{"/u/a/x"}, "/u/a", true, {"/u/a"}},
                      AddCase{{"/u/a"}, "/u/a/x", false, {"/u/a"}},
                      AddCase{{"/u/a"}, "/u/ab", true, {"/u/a", "/u/ab"}},
                      AddCase{{"/u/ab"}, "/u/a", true, {"/u/ab", "/u/a"}},
                      AddCase{{"/u/a"}, "/u/a", false, {"/u/a"}},
                      AddCase{{"/u/a/x", "/u/b", "/u/a/y"}, "/u/a", true, {"/u/b", "/u/a"}},
                      AddCase{{"/u/a", "/v"}, "/", true, {"/"}},
                      AddCase{{"/"}, "/u", false, {"/"}}));

struct CoverCase {
    std::string onPile;
    std::string asked;
    bool covered;
    bool contained;
};

class ReviewPileCovers : public ::testing::TestWithParam<CoverCase> {};

TEST_P(ReviewPileCovers, UsesTheSlashBoundary) {
    const auto& c = GetParam();
    const ReviewPile pile = pileOf({c.onPile});
    EXPECT_EQ(pile.covers(c.asked), c.covered);
    EXPECT_EQ(pile.contains(c.asked), c.contained);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ReviewPileCovers,
                         ::testing::Values(CoverCase{"/u/a", "/u/a", true, true},
                                           CoverCase{"/u/a", "/u/a/x/y", true, false},
                                           CoverCase{"/u/a", "/u/ab", false, false},
                                           CoverCase{"/u/a", "/u", false, false},
                                           CoverCase{"/u/a", "/u/a/", false, false},
                                           CoverCase{"/", "/anything", true, false}));

TEST(ReviewPile, RefusedDuplicateKeepsTheFirstValues) {
    ReviewPile pile;
    EXPECT_TRUE(pile.add(Entry{"/u/a", 10, "rule.one"}));
    EXPECT_FALSE(pile.add(Entry{"/u/a", 20, "rule.two"}));
    EXPECT_EQ(pile.totalBytes(), 10);
    EXPECT_EQ(pile.entries().front().ruleID, "rule.one");
}

TEST(ReviewPile, RemoveTakesOnlyTheExactPath) {
    ReviewPile pile = pileOf({"/u/a/x", "/u/b"});
    pile.remove("/u/a");
    EXPECT_EQ(pathsOf(pile), (std::vector<std::string>{"/u/a/x", "/u/b"}));
    pile.remove("/u/a/x");
    EXPECT_EQ(pathsOf(pile), (std::vector<std::string>{"/u/b"}));
}

TEST(ReviewPile, UndoLastDoesNotBringBackAbsorbedEntries) {
    ReviewPile pile = pileOf({"/u/a/x", "/u/a/y"});
    pile.add(Entry{"/u/a", 5, std::nullopt});
    const auto undone = pile.undoLast();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->path, "/u/a");
    EXPECT_TRUE(pile.isEmpty());
}

TEST(ReviewPile, SuggestionItemsCarryTheRuleAndAbsorbEachOther) {
    const Suggestion suggestion(
        "caches.user", "Caches", StorageCategory::caches, std::nullopt, SafetyLevel::regenerable,
        "reason", {}, {{"/u/c", 7, std::nullopt, "note"}, {"/u/c/d", 3, std::nullopt, {}}});
    ReviewPile pile;
    pile.add(suggestion);
    EXPECT_EQ(pile.entries(), (std::vector<Entry>{{"/u/c", 7, "caches.user"}}));
}

TEST(ReviewPile, JSONRoundTripKeepsOrderAndNonUTF8Paths) {
    ReviewPile pile;
    pile.add(Entry{"/u/caf\xE9", 3, std::nullopt});
    pile.add(Entry{"/u/b", 4, "rule"});
    const nlohmann::json json = pile;
    EXPECT_FALSE(json["entries"][0].contains("ruleID"));
    EXPECT_EQ(json.get<ReviewPile>(), pile);
}

TEST(ReviewPile, DecodingTakesEntriesAsTheyStandAndRejectsMissingKeys) {
    const auto decoded = nlohmann::json::parse(R"({"entries": [
        {"path": "/u/a", "bytes": 1, "ruleID": null, "extra": true},
        {"path": "/u/a/x", "bytes": 2}]})")
                             .get<ReviewPile>();
    EXPECT_EQ(pathsOf(decoded), (std::vector<std::string>{"/u/a", "/u/a/x"}));
    for (const auto* text :
         {R"({})", R"({"entries": [{"bytes": 1}]})", R"({"entries": [{"path": "/a"}]})",
          R"({"entries": [{"path": "/a", "bytes": 1.5}]})"}) {
        EXPECT_THROW(nlohmann::json::parse(text).get<ReviewPile>(), DecodingError) << text;
    }
}

}  // namespace
}  // namespace tandor
