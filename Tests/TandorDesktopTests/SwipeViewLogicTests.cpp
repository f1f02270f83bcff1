#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Swipe/SwipeGesture.hpp"
#include "Swipe/SwipeText.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

struct StampCase {
    double w;
    double h;
    std::optional<SwipeGesture::Stamp> expected;
};

TEST(SwipeGestureTest, StampFollowsTheDominantDirectionAndGrowsToTheThreshold) {
    const std::vector<StampCase> cases{
        {60, 60, SwipeGesture::Stamp{"KEEP", 0.5, -12}},
        {0, -240, SwipeGesture::Stamp{"MOVE", 1, 12}},
        {0, 60, SwipeGesture::Stamp{"LATER", 0.5, 12}},
        {-30, 10, SwipeGesture::Stamp{"PILE", 0.25, 12}},
        {-60, -60, SwipeGesture::Stamp{"PILE", 0.5, 12}},
        {0, 0, std::nullopt},
    };
    for (const auto& [w, h, expected] : cases) {
        EXPECT_EQ(SwipeGesture::stamp(w, h), expected) << w << ", " << h;
    }
}

struct ReleaseCase {
    double w;
    double h;
    std::optional<SwipeDecision> expected;
};

TEST(SwipeGestureTest, ReleaseDecidesOnlyStrictlyBeyondTheThreshold) {
    const std::vector<ReleaseCase> cases{
        {130, 125, SwipeDecision::keep},  {100, 130, SwipeDecision::later},
        {125, -130, SwipeDecision::move}, {-130, 130, SwipeDecision::toss},
        {120, 0, std::nullopt},           {-120, 0, std::nullopt},
        {0, 120, std::nullopt},           {0, -120, std::nullopt},
        {119, 119, std::nullopt},
    };
    for (const auto& [w, h, expected] : cases) {
        EXPECT_EQ(SwipeGesture::release(w, h), expected) << w << ", " << h;
    }
}

std::vector<SwipeCard> cardsOf(int count, std::int64_t bytes) {
    std::vector<SwipeCard> cards;
    for (int i = 0; i < count; ++i) {
        cards.emplace_back("/home/ann/Downloads/f" + std::to_string(i), std::nullopt, bytes, false,
                           std::nullopt, SwipeDeckKind::downloads, std::vector<Evidence>{});
    }
    return cards;
}

void decideAll(SwipeSession& session, const std::vector<SwipeDecision>& decisions,
               ReviewPile& pile) {
    for (const auto decision : decisions) {
        ASSERT_TRUE(session.decide(decision, pile));
    }
}

class SwipeTextTest : public ::testing::Test {
  protected:
    SwipeTextTest() { ui::Texts::setLanguage(QStringLiteral("en")); }
};

TEST_F(SwipeTextTest, BatchFiguresWalkADeckOfTwentyFiveInBatchesOfTen) {
    SwipeSession session(SwipeDeckKind::downloads, cardsOf(25, 1'000'000), 10);
    ReviewPile pile;
    struct Step {
        int decisions;
        QString headline;
        QString next;
        QString progress;
    };
    const std::vector<Step> steps{
        {10, "Batch 1 of 3 done", "Next 10 files", "Batch 1 of 3 · 10 of 10"},
        {10, "Batch 2 of 3 done", "Next 5 files", "Batch 2 of 3 · 10 of 10"},
        {5, "Downloads: all done", "", "Batch 3 of 3 · 5 of 5"},
    };
    for (const auto& step : steps) {
        decideAll(session, std::vector(std::size_t(step.decisions), SwipeDecision::later), pile);
        const auto figures = SwipeText::batchFigures(session);
        EXPECT_EQ(figures.headline, step.headline);
        EXPECT_EQ(figures.next, step.next);
        EXPECT_EQ(SwipeText::progress(session), step.progress);
        session.startNextBatch();
    }
}

TEST_F(SwipeTextTest, BatchFiguresCountThisBatchAndSayWhetherAnythingMoved) {
    const QString threeMegabytes = QString::fromStdString(ByteFormat::string(3'000'000));
    SwipeSession session(SwipeDeckKind::downloads, cardsOf(14, 1'000'000), 7);
    ReviewPile pile;
    decideAll(session, std::vector(7u, SwipeDecision::toss), pile);
    session.startNextBatch();
    using enum SwipeDecision;
    decideAll(session, {toss, toss, toss, keep, keep, later, move}, pile);
    const auto figures = SwipeText::batchFigures(session);
    EXPECT_EQ(figures.figures, "3 on the pile (" + threeMegabytes + ") · 2 kept · 1 for later");
    EXPECT_EQ(figures.moved, "1 moved into folders");
    EXPECT_EQ(figures.reassurance, "Nothing has gone to the Trash yet.");
    EXPECT_EQ(
        SwipeText::tossedLine(session),
        "On the pile from this deck: " + QString::fromStdString(ByteFormat::string(10'000'000)));
}

TEST_F(SwipeTextTest, AnEmptyDeckIsAllDoneAtOnce) {
    const SwipeSession session(SwipeDeckKind::installers, {}, 10);
    const SwipeText::BatchFigures expected{"Installers and disk images: all done",
                                           "Nothing left to review here.", "",
                                           "Nothing has moved yet.", ""};
    EXPECT_EQ(SwipeText::batchFigures(session), expected);
    EXPECT_EQ(SwipeText::tossedLine(session), "");
}

}  // namespace
}  // namespace tandor
