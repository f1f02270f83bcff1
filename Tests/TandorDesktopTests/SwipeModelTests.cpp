#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SettingsFolder.hpp"
#include "Swipe/SwipeModel.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::swipe_model_tests {
namespace {

using testing::fileNode;
using testing::folderNode;
using namespace std::chrono_literals;
using testing::contentsOf;
using ::testing::ElementsAre;
using testing::isThere;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;
using testing::writeFile;

const Date keptAt{std::chrono::seconds{1'750'000'000}};
constexpr std::int64_t twoMegabytes = 2'000'000;

struct TreeFile {
    std::string relative;
    std::optional<Date> modified;
};

// The scanned tree of folder holding these files, each of two megabytes.
FileNodePtr tree(const std::string& folder, const std::vector<TreeFile>& files) {
    std::map<std::string, std::vector<TreeFile>> inside;
    std::vector<FileNodePtr> children;
    for (const auto& file : files) {
        const auto slash = file.relative.find('/');
        if (slash == std::string::npos) {
            children.push_back(fileNode(folder + "/" + file.relative, twoMegabytes, file.modified));
        } else {
            inside[file.relative.substr(0, slash)].push_back(
                {file.relative.substr(slash + 1), file.modified});
        }
    }
    for (const auto& [name, below] : inside) {
        children.push_back(tree(folder + "/" + name, below));
    }
    return folderNode(folder, std::move(children));
}

// A fixture home whose Downloads the tests fill; the model is made by each
// test, after what it should find is in place.
class SwipeModelTest : public ::testing::Test {
  protected:
    SwipeModelTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    std::unique_ptr<SwipeModel> makeModel() {
        const auto now = [] { return std::chrono::system_clock::now(); };
        return std::make_unique<SwipeModel>(SwipeModel::Services{
            SwipeMemory::defaultURL(), now,
            SortingModel::Services{SortingStore::defaultURL(), home.path(), now, nullptr}});
    }

    std::string download(const std::string& name) {
        writeFile(home / ("Downloads/" + name), name);
        return home / ("Downloads/" + name);
    }

    // Refreshes and waits for the decks.
    void refreshNow(SwipeModel& model, const FileNodePtr& root, const ReviewPile& pile) {
        QSignalSpy published(&model, &SwipeModel::decksChanged);
        model.refresh(root, HomePlaces(home.path()), pile);
        ASSERT_TRUE(published.wait(10'000));
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
};

TEST_F(SwipeModelTest, StartsWithNothingDealtAndSaysOnceThatKeptFilesCannotBeOpened) {
    {
        const auto model = makeModel();
        EXPECT_TRUE(model->decks().empty());
        EXPECT_FALSE(model->session());
        EXPECT_EQ(model->batchSize(), 20);
        EXPECT_EQ(model->order(), SwipeOrder::largestFirst);
        EXPECT_EQ(model->keptCount(), 0);
        EXPECT_TRUE(model->errorMessage().isEmpty());
    }
    writeFile(SwipeMemory::defaultURL(), "[ not kept files");
    const auto model = makeModel();
    EXPECT_EQ(model->errorMessage(), "Could not open the list of kept files.");

    // Keeping works on without remembering, and says nothing more.
    download("a.zip");
    refreshNow(*model, tree(home.path(), {{"Downloads/a.zip", std::nullopt}}), {});
    model->start(SwipeDeckKind::downloads);
    ReviewPile pile;
    QSignalSpy messages(model.get(), &SwipeModel::errorMessageChanged);
    model->decide(SwipeDecision::keep, pile);
    EXPECT_EQ(model->session()->position(), 1u);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(contentsOf(SwipeMemory::defaultURL()), "[ not kept files");
}

// A card needs a decision unless the pile covers it ("/b" does not cover
// "/bc"), it was kept and has not changed since (by more than a second), or
// nothing is at its path any more (a link whose target is gone still is).
TEST_F(SwipeModelTest, DealsOnlyTheCardsThatStillNeedADecision) {
    for (const char* name : {"b", "bc", "kept", "changed", "deleted"}) {
        download(name);
    }
    ASSERT_EQ(::symlink("/nowhere", (home / "Downloads/link").c_str()), 0);
    std::filesystem::remove(home / "Downloads/deleted");
    {
        SwipeMemory memory(SwipeMemory::defaultURL());
        memory.remember(home / "Downloads/kept", keptAt);
        memory.remember(home / "Downloads/changed", keptAt);
    }
    const FileNodePtr root = tree(home.path(), {{"Downloads/b", std::nullopt},
                                                {"Downloads/bc", std::nullopt},
                                                {"Downloads/kept", keptAt + 1s},
                                                {"Downloads/changed", keptAt + 2s},
                                                {"Downloads/deleted", std::nullopt},
                                                {"Downloads/link", std::nullopt}});
    ReviewPile pile;
    pile.add({home / "Downloads/b", 1, std::nullopt});
    const auto model = makeModel();

    refreshNow(*model, root, pile);
    ASSERT_EQ(model->decks().size(), 4u);
    EXPECT_EQ(model->decks()[0].kind, SwipeDeckKind::downloads);
    EXPECT_EQ(model->decks()[0].count, 3);
    EXPECT_EQ(model->decks()[0].bytes, 3 * twoMegabytes);
    EXPECT_EQ(model->decks()[1], (SwipeModel::DeckSummary{SwipeDeckKind::installers, 0, 0}));
    EXPECT_EQ(model->keptCount(), 2);
    model->start(SwipeDeckKind::downloads);
    std::vector<std::string> dealt;
    for (const auto& card : model->session()->cards()) {
        dealt.push_back(card.name);
    }
    EXPECT_THAT(dealt, UnorderedElementsAre("bc", "changed", "link"));

    // A refresh after a pile change drops what the pile now covers.
    pile.add({home / "Downloads/bc", 1, std::nullopt});
    refreshNow(*model, root, pile);
    EXPECT_EQ(model->decks()[0].count, 2);
    // The running session keeps its cards.
    EXPECT_EQ(model->session()->cards().size(), 3u);
}

struct DecisionCase {
    const char* name;
    SwipeDecision decision;
    bool pileCoversTheCard;
    bool hasDestination;
    // What the decision did.
    bool advanced;
    std::size_t pileCount;
    int keptCount;
    bool fileMoved;
};

class SwipeDecisions : public SwipeModelTest, public ::testing::WithParamInterface<DecisionCase> {};

TEST_P(SwipeDecisions, EachDecisionAndItsUndo) {
    const DecisionCase& the = GetParam();
    const std::string file = download("report.pdf");
    download("other.pdf");
    const auto model = makeModel();
    if (the.hasDestination) {
        ASSERT_TRUE(model->sorting()->createTemporary("Later", SortingFate::keep()));
    }
    ReviewPile pile;
    if (the.pileCoversTheCard) {
        pile.add({home / "Downloads", 1, std::nullopt});
    }
    refreshNow(*model,
               tree(home.path(), {{"Downloads/report.pdf", std::nullopt},
                                  {"Downloads/other.pdf", std::nullopt}}),
               {});
    model->start(SwipeDeckKind::downloads);
    const std::string top = model->session()->currentCard()->path;
    const ReviewPile before = pile;

    model->decide(the.decision, pile);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->isBusy(); }, 10'000));
    EXPECT_EQ(model->session()->position(), the.advanced ? 1u : 0u);
    EXPECT_EQ(pile.count(), the.pileCount);
    EXPECT_EQ(model->keptCount(), the.keptCount);
    EXPECT_EQ(isThere(top), !the.fileMoved);
    if (the.decision == SwipeDecision::toss && !the.pileCoversTheCard) {
        EXPECT_EQ(pile.entries().back().ruleID, "swipe.downloads");
    }

    model->undo(pile);
    EXPECT_EQ(model->session()->position(), 0u);
    EXPECT_EQ(pile, before);
    EXPECT_EQ(model->keptCount(), 0);
    EXPECT_TRUE(isThere(top));
    EXPECT_TRUE(model->sorting()->message().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SwipeDecisions,
    ::testing::Values(DecisionCase{"Toss", SwipeDecision::toss, false, false, true, 1, 0, false},
                      DecisionCase{"TossCovered", SwipeDecision::toss, true, false, true, 1, 0,
                                   false},
                      DecisionCase{"Keep", SwipeDecision::keep, false, false, true, 0, 1, false},
                      DecisionCase{"Later", SwipeDecision::later, false, false, true, 0, 0, false},
                      DecisionCase{"Move", SwipeDecision::move, false, true, true, 0, 0, true},
                      DecisionCase{"MoveWithoutDestination", SwipeDecision::move, false, false,
                                   false, 0, 0, false}),
    [](const ::testing::TestParamInfo<DecisionCase>& shown) {
        return std::string(shown.param.name);
    });

// Taking back a Move puts the file back first: when something now stands where
// it came from, the decision stays, and the sorting message says why.
TEST_F(SwipeModelTest, AMoveIsTakenBackOnlyOnceItsFileIsBack) {
    const std::string file = download("report.pdf");
    const auto model = makeModel();
    ASSERT_TRUE(model->sorting()->createTemporary("Later", SortingFate::keep()));
    refreshNow(*model, tree(home.path(), {{"Downloads/report.pdf", std::nullopt}}), {});
    model->start(SwipeDeckKind::downloads);
    ReviewPile pile;
    model->decide(SwipeDecision::move, pile);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->isBusy(); }, 10'000));
    ASSERT_EQ(model->session()->position(), 1u);

    writeFile(file, "new");
    model->undo(pile);
    EXPECT_EQ(model->session()->position(), 1u);
    EXPECT_EQ(model->sorting()->message().toStdString(), MoveError::originalPathTaken(file).what());
    EXPECT_EQ(contentsOf(home / "Tandor/Later/report.pdf"), "report.pdf");

    std::filesystem::remove(file);
    model->undo(pile);
    EXPECT_EQ(model->session()->position(), 0u);
    EXPECT_EQ(contentsOf(file), "report.pdf");
}

// A Move that cannot be recorded first does not happen: the card stays, the
// file stays, and the message says why.
TEST_F(SwipeModelTest, AMoveThatCannotBeRecordedIsNoDecision) {
    const std::string file = download("report.pdf");
    const auto model = makeModel();
    ASSERT_TRUE(model->sorting()->createTemporary("Later", SortingFate::keep()));
    refreshNow(*model, tree(home.path(), {{"Downloads/report.pdf", std::nullopt}}), {});
    model->start(SwipeDeckKind::downloads);
    const std::string lock = SortingStore::defaultURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);

    ReviewPile pile;
    model->decide(SwipeDecision::move, pile);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->isBusy(); }, 10'000));
    EXPECT_EQ(model->session()->position(), 0u);
    EXPECT_EQ(contentsOf(file), "report.pdf");
    EXPECT_THAT(model->sorting()->message().toStdString(),
                StartsWith("~/Downloads/report.pdf was not moved, because Tandor could not "
                           "record the move first: "));

    std::filesystem::remove(lock);
    model->decide(SwipeDecision::move, pile);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->isBusy(); }, 10'000));
    EXPECT_EQ(model->session()->position(), 1u);
    EXPECT_FALSE(isThere(file));
}

}  // namespace
}  // namespace tandor::swipe_model_tests
