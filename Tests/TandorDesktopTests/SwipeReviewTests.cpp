#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <memory>
#include <string>

#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "Swipe/SwipeReview.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

// A scanned fixture home with three large downloads and the Swipe screen's
// model over it, without the window: the screen is made and dropped the way
// the main window loads and unloads it.
class SwipeReviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        for (const char* name : {"a.zip", "b.zip", "c.zip"}) {
            testing::writeFile(home / (std::string("Downloads/") + name),
                               std::string(2'000'000, 'x'));
        }
        model = std::make_unique<ScanModel>();
        ASSERT_NO_FATAL_FAILURE(scan());
        ASSERT_NO_FATAL_FAILURE(showScreen());
    }

    void scan() {
        ASSERT_TRUE(model->scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->phaseName() == "ready"; }, 20'000));
    }

    // Loads the screen as the tab does and waits for its decks.
    void showScreen() {
        review = std::make_unique<SwipeReview>();
        review->setScanModel(model.get());
        review->refresh();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !model->swipe()->decks().empty() && model->swipe()->decks()[0].count > 0;
            },
            10'000));
    }

    bool dealt(const std::string& path) const {
        const auto& cards = model->swipe()->session()->cards();
        return std::any_of(cards.begin(), cards.end(),
                           [&](const SwipeCard& card) { return card.path == path; });
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    std::unique_ptr<ScanModel> model;
    std::unique_ptr<SwipeReview> review;
};

TEST_F(SwipeReviewTest, ANewScanEndsTheSessionEvenWithTheScreenGone) {
    review->start(0);
    ASSERT_EQ(review->screen(), "stack");

    review.reset();
    ASSERT_NO_FATAL_FAILURE(scan());
    ASSERT_NO_FATAL_FAILURE(showScreen());
    EXPECT_FALSE(model->swipe()->session());
    EXPECT_EQ(review->screen(), "picker");
    EXPECT_TRUE(review->cards().isEmpty());
}

// Back to the decks deals again in the background; a deck opened before that
// deal is in opens on it, not on the one that still held the tossed cards.
TEST_F(SwipeReviewTest, ADeckOpenedRightAfterBackToDecksLeavesOutWhatWentOnThePile) {
    model->swipe()->setBatchSize(1);
    review->start(0);
    ASSERT_EQ(review->screen(), "stack");
    const std::string tossed = model->swipe()->session()->currentCard()->path;
    ASSERT_TRUE(review->decide(QStringLiteral("toss")));
    ASSERT_EQ(review->screen(), "summary");

    review->close();
    review->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return review->screen() == "stack"; }, 10'000));
    EXPECT_EQ(model->swipe()->session()->cards().size(), 2u);
    EXPECT_FALSE(dealt(tossed));

    // A deck the new deal leaves empty does not open.
    ASSERT_TRUE(review->decide(QStringLiteral("toss")));
    review->startNextBatch();
    ASSERT_TRUE(review->decide(QStringLiteral("toss")));
    review->close();
    review->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->swipe()->decks()[0].count == 0; }, 10'000));
    EXPECT_FALSE(model->swipe()->session());
    EXPECT_EQ(review->screen(), "picker");
}

// A card tossed onto the pile whose file a commit has since moved to the
// Trash does not come back as undecided: Undo says where the file is.
TEST_F(SwipeReviewTest, UndoAfterACommitSaysTheFileIsInTheTrash) {
    review->start(0);
    const SwipeCard tossed = *model->swipe()->session()->currentCard();
    ASSERT_TRUE(review->decide(QStringLiteral("toss")));
    review->cardShown();
    model->commitPile();
    ASSERT_TRUE(model->movedSinceScan(tossed.path));

    review->undo();
    EXPECT_EQ(review->undoNotice().toStdString(),
              tossed.name +
                  " is in the Trash now, so this decision cannot be taken back here. History can "
                  "put it back.");
    EXPECT_EQ(model->swipe()->session()->moves().size(), 1u);
    EXPECT_NE(model->swipe()->session()->currentCard()->path, tossed.path);
    EXPECT_TRUE(model->pile().isEmpty());

    ASSERT_TRUE(review->decide(QStringLiteral("keep")));
    EXPECT_TRUE(review->undoNotice().isEmpty());
}

}  // namespace
}  // namespace tandor
