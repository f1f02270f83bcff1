#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ReviewTestSupport.hpp"
#include "TandorReview/SwipeOrder.hpp"
#include "TandorReview/SwipeSession.hpp"

namespace tandor {
namespace {

using testing::someDay;

using namespace std::chrono_literals;
using ::testing::ElementsAre;

SwipeCard card(const std::string& path, std::int64_t bytes = 1,
               std::optional<Date> modified = std::nullopt) {
    return SwipeCard(path, std::nullopt, bytes, false, modified, SwipeDeckKind::downloads, {});
}

std::vector<SwipeCard> cards(std::size_t count) {
    std::vector<SwipeCard> made;
    for (std::size_t i = 0; i < count; ++i) {
        made.push_back(card("/d/" + std::to_string(i), static_cast<std::int64_t>(i)));
    }
    return made;
}

std::vector<std::string> pathsOf(const std::vector<SwipeCard>& list) {
    std::vector<std::string> paths;
    for (const auto& each : list) {
        paths.push_back(each.path);
    }
    return paths;
}

std::vector<std::string> pathsOf(const ReviewPile& pile) {
    std::vector<std::string> paths;
    for (const auto& entry : pile.entries()) {
        paths.push_back(entry.path);
    }
    return paths;
}

struct BatchCase {
    std::size_t cards;
    std::int64_t batchSize;
    std::size_t batchCount;
    // The [start, end) of every batch, walked by deciding every card.
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
};

void PrintTo(const BatchCase& row, std::ostream* out) {
    *out << row.cards << " cards in batches of " << row.batchSize;
}

class SwipeSessionBatches : public ::testing::TestWithParam<BatchCase> {};

TEST_P(SwipeSessionBatches, WalkTheDeckInSlices) {
    ReviewPile pile;
    SwipeSession session(SwipeDeckKind::downloads, cards(GetParam().cards), GetParam().batchSize);
    EXPECT_EQ(session.batchCount(), GetParam().batchCount);
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (;;) {
        const auto range = session.batchRange();
        ranges.emplace_back(range.start, range.end);
        EXPECT_EQ(session.batchLength(), range.end - range.start);
        while (session.decide(SwipeDecision::later, pile)) {
        }
        EXPECT_TRUE(session.isBatchFinished());
        EXPECT_FALSE(session.currentCard());
        if (!session.hasNextBatch()) {
            break;
        }
        EXPECT_FALSE(session.isFinished());
        session.startNextBatch();
    }
    EXPECT_TRUE(session.isFinished());
    EXPECT_EQ(ranges, GetParam().ranges);
    EXPECT_FALSE(session.decide(SwipeDecision::keep, pile));
    EXPECT_EQ(session.moves().size(), GetParam().cards);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SwipeSessionBatches,
                         ::testing::Values(BatchCase{0, 20, 0, {{0, 0}}},
                                           BatchCase{45, 20, 3, {{0, 20}, {20, 40}, {40, 45}}},
                                           BatchCase{40, 20, 2, {{0, 20}, {20, 40}}},
                                           BatchCase{3, 0, 3, {{0, 1}, {1, 2}, {2, 3}}},
                                           BatchCase{2, -5, 2, {{0, 1}, {1, 2}}}));

TEST(SwipeSession, UpcomingStopsAtTheEndOfTheBatch) {
    ReviewPile pile;
    SwipeSession session(SwipeDeckKind::downloads, cards(10), 5);
    session.decide(SwipeDecision::keep, pile);
    session.decide(SwipeDecision::keep, pile);
    session.decide(SwipeDecision::keep, pile);
    EXPECT_EQ(session.doneInBatch(), 3u);
    EXPECT_EQ(pathsOf(session.upcoming(3)), (std::vector<std::string>{"/d/3", "/d/4"}));
    EXPECT_TRUE(session.upcoming(0).empty());
}

TEST(SwipeSession, TossingAFolderAbsorbsItsFilesAndUndoBringsThemBack) {
    ReviewPile pile;
    pile.add({"/d/folder/a", 1, std::nullopt});
    pile.add({"/other", 5, "rule"});
    pile.add({"/d/folder/b", 2, std::nullopt});
    SwipeSession session(SwipeDeckKind::downloads, {card("/d/folder", 100)}, 10);

    const auto toss = session.decide(SwipeDecision::toss, pile);
    ASSERT_TRUE(toss);
    EXPECT_TRUE(toss->addedToPile);
    EXPECT_THAT(toss->absorbed, ElementsAre(ReviewPile::Entry{"/d/folder/a", 1, std::nullopt},
                                            ReviewPile::Entry{"/d/folder/b", 2, std::nullopt}));
    EXPECT_THAT(pathsOf(pile), ElementsAre("/other", "/d/folder"));
    EXPECT_EQ(pile.entries().back().ruleID, "swipe.downloads");
    EXPECT_EQ(session.tossedBytes(), 100);

    ASSERT_TRUE(session.undo(pile));
    EXPECT_THAT(pathsOf(pile), ElementsAre("/other", "/d/folder/a", "/d/folder/b"));
    EXPECT_EQ(session.position(), 0u);
    EXPECT_EQ(session.tossedBytes(), 0);
}

TEST(SwipeSession, ATossOfACoveredCardLeavesThePileAlone) {
    ReviewPile pile;
    pile.add({"/d", 10, std::nullopt});
    SwipeSession session(SwipeDeckKind::downloads, {card("/d/file", 3)}, 10);
    const auto toss = session.decide(SwipeDecision::toss, pile);
    EXPECT_FALSE(toss->addedToPile);
    EXPECT_EQ(session.tossedBytes(), 3);
    EXPECT_TRUE(session.undo(pile));
    EXPECT_THAT(pathsOf(pile), ElementsAre("/d"));
    EXPECT_EQ(session.currentCard()->path, "/d/file");
}

TEST(SwipeSession, OtherDecisionsNeverTouchThePileAndUndoStaysInTheBatch) {
    ReviewPile pile;
    SwipeSession session(SwipeDeckKind::oldFiles, cards(4), 2);
    session.decide(SwipeDecision::toss, pile);
    session.decide(SwipeDecision::keep, pile);
    session.startNextBatch();
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.undo(pile));
    EXPECT_TRUE(session.movesInBatch().empty());

    session.decide(SwipeDecision::later, pile);
    session.decide(SwipeDecision::move, pile);
    EXPECT_THAT(pathsOf(pile), ElementsAre("/d/0"));
    EXPECT_THAT(pathsOf(session.laterInBatch()), ElementsAre("/d/2"));
    EXPECT_THAT(pathsOf(session.movedInBatch()), ElementsAre("/d/3"));
    EXPECT_TRUE(session.tossedInBatch().empty());
    EXPECT_EQ(session.tossedBytes(), 0);

    EXPECT_EQ(session.undo(pile)->decision, SwipeDecision::move);
    EXPECT_EQ(session.undo(pile)->decision, SwipeDecision::later);
    EXPECT_FALSE(session.undo(pile));
    EXPECT_EQ(session.position(), 2u);
    EXPECT_THAT(pathsOf(pile), ElementsAre("/d/0"));
}

TEST(SwipeOrder, SortsBySizeOrDateWithUndatedCardsLast) {
    const std::vector<SwipeCard> deck = {card("/b", 5, someDay),  card("/undated-small", 1),
                                         card("/a", 5, someDay),  card("/old", 1, someDay - 1h),
                                         card("/undated-big", 9), card("/new", 1, someDay + 1h)};
    EXPECT_THAT(pathsOf(sorted(SwipeOrder::largestFirst, deck)),
                ElementsAre("/undated-big", "/a", "/b", "/new", "/old", "/undated-small"));
    EXPECT_THAT(pathsOf(sorted(SwipeOrder::oldestFirst, deck)),
                ElementsAre("/old", "/a", "/b", "/new", "/undated-big", "/undated-small"));
    EXPECT_THAT(pathsOf(sorted(SwipeOrder::newestFirst, deck)),
                ElementsAre("/new", "/a", "/b", "/old", "/undated-big", "/undated-small"));

    auto shuffled = pathsOf(sorted(SwipeOrder::random, deck));
    auto original = pathsOf(deck);
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(original.begin(), original.end());
    EXPECT_EQ(shuffled, original);
    EXPECT_EQ(rawValue(SwipeOrder::newestFirst), "newestFirst");
    EXPECT_EQ(title(SwipeOrder::newestFirst), "Newest first");
}

}  // namespace
}  // namespace tandor
