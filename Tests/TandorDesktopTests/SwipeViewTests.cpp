#include <gtest/gtest.h>

#include <QAccessible>
#include <QMimeDatabase>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Shell/ShellSettings.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Swipe/SwipeReview.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allWarnings;

using testing::isThere;
using testing::itemWithText;
using testing::visibleItems;

constexpr std::int64_t twoMegabytes = 2'000'000;

// A file of these many bytes, written, so that its allocated size counts.
void makeFile(const std::string& path, std::int64_t bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    testing::writeFile(path, std::string(std::size_t(bytes), 'x'));
}

// The main window on a fixture home with three large downloads, scanned, the
// Swipe tab shown; driven by real drags, keys and clicks.
class SwipeTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        testing::QmlWarnings::messages().clear();
        for (const char* name : {"a.zip", "b.zip", "c.zip"}) {
            makeFile(home / (std::string("Downloads/") + name), twoMegabytes);
        }
        QSettings().setValue(SwipeReview::tutorialSeenKey, true);
        model = std::make_unique<ScanModel>();
        ApplicationEngine::prepare(engine, *model);
        ASSERT_NO_FATAL_FAILURE(testing::loadMainWindow(engine, window));
        window->resize(1200, 860);
        // The tests answer the folder chooser themselves.
        ASSERT_TRUE(window->findChild<QObject*>(QStringLiteral("folderChooserDialog"))
                        ->setProperty("chooser", QVariant::fromValue(
                                                     static_cast<DialogFolderChooser*>(nullptr))));
        ASSERT_TRUE(model->scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->phaseName() == "ready"; }, 20'000));
        model->swipe()->setBatchSize(2);
        testing::showTab(window, QStringLiteral("Swipe"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown("deckTile").isEmpty(); }, 10'000));
        review = only("swipeView")->findChild<SwipeReview*>(QStringLiteral("swipeReview"));
        ASSERT_NE(review, nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !model->swipe()->decks().empty() && model->swipe()->decks()[0].count == 3;
            },
            10'000));
    }

    void TearDown() override {
        EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
    }

    QList<QQuickItem*> shown(const char* name) const {
        return visibleItems(window->contentItem(), QString::fromUtf8(name));
    }

    QQuickItem* only(const char* name) const {
        const auto items = shown(name);
        return items.size() == 1 ? items.front() : nullptr;
    }

    void click(QQuickItem* target) {
        ASSERT_NE(target, nullptr);
        const QPointF center = target->mapToScene({target->width() / 2, target->height() / 2});
        QTest::mouseClick(window, Qt::LeftButton, {}, center.toPoint());
        QTest::qWait(50);
    }

    // Answers every request of the folder chooser with folderAnswer, folder
    // to begin with.
    void answerFolderRequestsWith(const std::string& folder) {
        folderAnswer = folder;
        auto* chooser =
            qobject_cast<DialogFolderChooser*>(model->swipe()->sorting()->folderChooserObject());
        ASSERT_NE(chooser, nullptr);
        QObject::connect(chooser, &DialogFolderChooser::requested, chooser, [this, chooser] {
            chooser->accept(QUrl::fromLocalFile(QString::fromStdString(folderAnswer)));
        });
    }

    // Starts the downloads deck and waits for its first card.
    void startDownloads() {
        click(shown("deckTile").value(0));
        ASSERT_TRUE(QTest::qWaitFor([&] { return only("topCard") != nullptr; }, 5000));
        QTest::qWait(200);
    }

    // Drags the top card by (dx, dy) and lets go.
    void drag(int dx, int dy) {
        QQuickItem* card = only("topCard");
        ASSERT_NE(card, nullptr);
        const QPoint start = card->mapToScene({card->width() / 2, card->height() / 3}).toPoint();
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        constexpr int steps = 12;
        for (int step = 1; step <= steps; ++step) {
            QTest::mouseMove(window, start + QPoint(dx * step / steps, dy * step / steps), 10);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(dx, dy), 10);
        QTest::qWait(300);
    }

    void key(Qt::Key key) { QTest::keyClick(window, key); }

    // Presses key and waits until the next card has shown.
    void decideWith(Qt::Key pressed) {
        key(pressed);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !review->isPending(); }, 2000));
    }

    std::size_t position() const { return model->swipe()->session()->position(); }

    std::string download(const char* name) const {
        return home / (std::string("Downloads/") + name);
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    std::string folderAnswer;
    const testing::QmlWarnings warnings;
    std::unique_ptr<ScanModel> model;
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
    SwipeReview* review = nullptr;
};

TEST_F(SwipeTabTest, ADragDecidesOnlyBeyondTheThresholdAndLeftGoesOntoThePile) {
    startDownloads();
    drag(0, 120);
    EXPECT_EQ(position(), 0u);
    drag(120, 0);
    EXPECT_EQ(position(), 0u);

    drag(-200, 20);
    ASSERT_EQ(position(), 1u);
    EXPECT_EQ(model->pileCount(), 1);
    const SwipeCard& tossed = model->swipe()->session()->cards()[0];
    EXPECT_TRUE(model->pile().contains(tossed.path));
    EXPECT_NE(itemWithText(only("pilePanel"), QString::fromStdString(tossed.name)), nullptr);

    drag(200, 0);
    EXPECT_EQ(only("summaryHeadline")->property("text").toString(), "Batch 1 of 2 done");
    EXPECT_EQ(model->swipe()->keptCount(), 1);
}

TEST_F(SwipeTabTest, AKeyBurstDecidesOneCard) {
    model->swipe()->setBatchSize(3);
    startDownloads();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(position(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review->isPending(); }, 2000));

    key(Qt::Key_Down);
    key(Qt::Key_Backspace);
    EXPECT_EQ(position(), 2u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review->isPending(); }, 2000));
    EXPECT_EQ(position(), 2u);

    // A held key repeats: only its first press decides.
    QTest::simulateEvent(window, true, Qt::Key_Down, {}, {}, true);
    QTest::simulateEvent(window, false, Qt::Key_Down, {}, {}, true);
    EXPECT_EQ(position(), 2u);
}

TEST_F(SwipeTabTest, BackspaceUndoesAndReturnStartsTheNextBatch) {
    startDownloads();
    decideWith(Qt::Key_Left);
    EXPECT_EQ(model->pileCount(), 1);
    decideWith(Qt::Key_Backspace);
    EXPECT_EQ(position(), 0u);
    EXPECT_EQ(model->pileCount(), 0);

    decideWith(Qt::Key_Right);
    decideWith(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("summaryHeadline") != nullptr; }, 2000));
    EXPECT_EQ(only("nextBatch")->property("text").toString(), "Next 1 file");
    key(Qt::Key_Delete);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("topCard") != nullptr; }, 2000));
    EXPECT_EQ(position(), 1u);

    decideWith(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("summaryHeadline") != nullptr; }, 2000));
    key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("topCard") != nullptr; }, 2000));
    EXPECT_EQ(only("batchProgress")->property("text").toString(), "Batch 2 of 2 · 0 of 1");
}

TEST_F(SwipeTabTest, SpaceTogglesThePreviewWhichNamesTheFilesType) {
    startDownloads();
    EXPECT_EQ(only("cardType"), nullptr);
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return only("previewCard") != nullptr; }, 2000));
    ASSERT_NE(only("cardType"), nullptr);
    const QString zip =
        QMimeDatabase().mimeTypeForName(QStringLiteral("application/zip")).comment();
    EXPECT_FALSE(zip.isEmpty());
    EXPECT_EQ(only("cardType")->property("text").toString(), zip);
    QTest::qWait(300);
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return only("previewCard") == nullptr; }, 2000));
}

// A screen reader meets the card as one element that reads out what it
// shows, not as a dozen loose texts.
TEST_F(SwipeTabTest, TheCardIsOneAccessibleElement) {
    startDownloads();
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(only("topCard"));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->childCount(), 0);
    const SwipeCard& shown = model->swipe()->session()->cards()[0];
    const QString name = card->text(QAccessible::Name);
    for (const QString& part :
         {QString::fromStdString(shown.name),
          QString::fromStdString(ByteFormat::string(shown.bytes)), QStringLiteral("Needs review"),
          QStringLiteral("In your Downloads folder")}) {
        EXPECT_TRUE(name.contains(part)) << name.toStdString() << " / " << part.toStdString();
    }
}

// Undo, preview and reveal show only their icon: each is a small square
// button that still has its name; the batch's bar is a thin track.
TEST_F(SwipeTabTest, IconOnlyControlsAreCompactAndNamed) {
    startDownloads();
    const QQuickItem* labelled = only("laterButton");
    ASSERT_NE(labelled, nullptr);
    for (const char* name : {"undoButton", "previewButton", "revealButton"}) {
        QQuickItem* button = only(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_LE(button->width(), button->height()) << name;
        EXPECT_LT(button->width(), labelled->width()) << name;
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(element, nullptr) << name;
        EXPECT_FALSE(element->text(QAccessible::Name).isEmpty()) << name;
    }
    EXPECT_LE(only("batchBar")->height(), 8);
}

TEST_F(SwipeTabTest, UpWithoutADestinationAsksForOneAndMovesTheFileThere) {
    const std::string folder = home / "Sorted";
    std::filesystem::create_directories(folder);
    ASSERT_NO_FATAL_FAILURE(answerFolderRequestsWith(folder));
    startDownloads();
    const std::string path = model->swipe()->session()->cards()[0].path;
    const std::string name = std::filesystem::path(path).filename();

    key(Qt::Key_Up);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("ownFolder") != nullptr; }, 2000));
    QTest::qWait(200);
    key(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("ownFolder") == nullptr; }, 2000));
    key(Qt::Key_Up);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("ownFolder") != nullptr; }, 2000));
    QTest::qWait(200);
    EXPECT_EQ(position(), 0u);
    EXPECT_TRUE(isThere(path));

    // A link to the folder is refused: the picker stays and says why.
    std::filesystem::create_directory_symlink(folder, home / "Link");
    folderAnswer = home / "Link";
    click(only("ownFolder"));
    ASSERT_NE(only("pickerMessage"), nullptr);
    EXPECT_EQ(only("pickerMessage")->property("text").toString(),
              "~/Link is a link to ~/Sorted. Choose that folder itself.");
    EXPECT_NE(only("ownFolder"), nullptr);
    EXPECT_EQ(position(), 0u);

    folderAnswer = folder;
    click(only("ownFolder"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() == 1u; }, 10'000));
    EXPECT_FALSE(isThere(path));
    EXPECT_TRUE(isThere(folder + "/" + name));
    EXPECT_EQ(only("ownFolder"), nullptr);
}

// Return presses the new-folder sheet's Create wherever the focus is, once, and
// only while Create can be pressed; Escape cancels.
TEST_F(SwipeTabTest, TheNewFolderSheetTakesReturnAnywhereAndEscapeCancels) {
    const SortingModel& sorting = *model->swipe()->sorting();
    const auto openSheet = [&] {
        QTest::qWait(300);
        click(only("addFolder"));
        QQuickItem* entry = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return (entry = itemWithText(window->contentItem(),
                                             QStringLiteral("New Sorting Folder…")));
            },
            2000));
        click(entry);
        ASSERT_TRUE(QTest::qWaitFor([&] { return only("newFolderName") != nullptr; }, 2000));
        QTest::qWait(200);
    };

    ASSERT_NO_FATAL_FAILURE(openSheet());
    for (const char letter : std::string("Inbox")) {
        QTest::keyClick(window, letter);
    }
    key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("newFolderName") == nullptr; }, 2000));
    ASSERT_EQ(sorting.folders().size(), 1u);
    EXPECT_EQ(sorting.folders()[0].name, "Inbox");

    ASSERT_NO_FATAL_FAILURE(openSheet());
    click(only("fate_keep"));
    key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("newFolderName") == nullptr; }, 2000));
    ASSERT_EQ(sorting.folders().size(), 2u);
    EXPECT_EQ(sorting.destination()->fate, SortingFate::keep());

    // Moving files on needs a target first: Create, and Return, wait for it.
    ASSERT_NO_FATAL_FAILURE(openSheet());
    click(only("fate_moveTo"));
    key(Qt::Key_Return);
    QTest::qWait(200);
    EXPECT_NE(only("newFolderName"), nullptr);
    key(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("newFolderName") == nullptr; }, 2000));
    EXPECT_EQ(sorting.folders().size(), 2u);
}

// A folder's row fades in and out under the deck picker; with reduce motion it
// comes and goes at once.
TEST_F(SwipeTabTest, FolderRowsFadeInAndOutUnlessMotionIsReduced) {
    SortingModel& sorting = *model->swipe()->sorting();
    auto* settings =
        engine.singletonInstance<ShellSettings*>(qmlTypeId("Tandor", 1, 0, "ShellSettings"));
    ASSERT_NE(settings, nullptr);
    for (const bool reduce : {false, true}) {
        settings->setReduceMotion(reduce);
        const auto folder = sorting.createTemporary("Inbox", SortingFate::keep());
        ASSERT_TRUE(folder);
        ASSERT_TRUE(QTest::qWaitFor([&] { return only("sortingFolderRow") != nullptr; }, 2000));
        EXPECT_EQ(only("sortingFolderRow")->opacity() < 1, !reduce) << reduce;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return only("sortingFolderRow")->opacity() == 1; }, 2000));

        sorting.forget(*folder);
        QTest::qWait(50);
        EXPECT_EQ(only("sortingFolderRow") != nullptr, !reduce) << reduce;
        EXPECT_TRUE(QTest::qWaitFor([&] { return only("sortingFolderRow") == nullptr; }, 2000));
    }
}

TEST_F(SwipeTabTest, AMoveThatCannotGoBackStaysDecidedAndSaysWhy) {
    const std::string folder = home / "Sorted";
    std::filesystem::create_directories(folder);
    ASSERT_NO_FATAL_FAILURE(answerFolderRequestsWith(folder));
    model->swipe()->sorting()->chooseOwnFolder();
    startDownloads();
    const std::string path = model->swipe()->session()->cards()[0].path;
    key(Qt::Key_Up);
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() == 1u && !review->isPending(); }, 10'000));
    testing::writeFile(path, "a new file in its place");

    key(Qt::Key_Backspace);
    QTest::qWait(100);
    EXPECT_EQ(position(), 1u);
    EXPECT_EQ(testing::contentsOf(path), "a new file in its place");
    ASSERT_NE(only("topCard"), nullptr);
    ASSERT_NE(only("sortingMessage"), nullptr);
    EXPECT_FALSE(only("sortingMessage")->property("text").toString().isEmpty());
}

TEST_F(SwipeTabTest, TheTutorialReturnsUntilFinishedAndSkipIsInertOnTheLastPage) {
    review->setTutorialSeen(false);
    startDownloads();
    ASSERT_NE(only("tutorialNext"), nullptr);
    review->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("tutorialNext") == nullptr; }, 2000));
    startDownloads();
    ASSERT_NE(only("tutorialNext"), nullptr);

    click(only("tutorialNext"));
    click(only("tutorialNext"));
    EXPECT_EQ(only("tutorialNext")->property("text").toString(), "Start sorting");
    click(only("tutorialSkip"));
    EXPECT_NE(only("tutorialNext"), nullptr);
    EXPECT_FALSE(review->tutorialSeen());

    click(only("tutorialNext"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("tutorialNext") == nullptr; }, 2000));
    EXPECT_TRUE(review->tutorialSeen());
    review->close();
    startDownloads();
    QTest::qWait(200);
    EXPECT_EQ(only("tutorialNext"), nullptr);
}

// One thing to read at a time: the keys tip waits for the tutorial to finish.
TEST_F(SwipeTabTest, TheKeysTipWaitsForTheTutorial) {
    review->setTutorialSeen(false);
    startDownloads();
    ASSERT_NE(only("tutorialNext"), nullptr);
    auto* tip = only("swipeView")->findChild<QObject*>(QStringLiteral("keysTip"));
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(tip->property("visible").toBool());
    for (int page = 0; page < 3; ++page) {
        click(only("tutorialNext"));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return only("tutorialNext") == nullptr; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->property("visible").toBool(); }, 2000));
}

// In a short picker the tiles follow the scrolling: scrolled to the end, a
// tile of the first row goes, and the first row is whole again when scrolled
// back.
TEST_F(SwipeTabTest, TheDeckGridMakesTilesAsTheyComeIntoSight) {
    only("deckPicker")->setHeight(200);
    QQuickItem* grid = only("deckGrid");
    ASSERT_NE(grid, nullptr);
    const auto titles = [&] {
        QStringList shownTitles;
        for (const QQuickItem* tile : shown("deckTile")) {
            shownTitles.append(tile->property("deck").toMap().value("title").toString());
        }
        return shownTitles;
    };
    QMetaObject::invokeMethod(grid, "positionViewAtEnd");
    EXPECT_TRUE(QTest::qWaitFor([&] { return titles().size() < 4; }, 2000))
        << titles().join(", ").toStdString();
    EXPECT_TRUE(titles().contains("Old files"));

    QMetaObject::invokeMethod(grid, "positionViewAtBeginning");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return titles().contains("Downloads") &&
                   titles().contains("Installers and disk images");
        },
        2000));
}

TEST_F(SwipeTabTest, AnEmptyDeckIgnoresClicks) {
    QQuickItem* installers = shown("deckTile").value(1);
    ASSERT_NE(installers, nullptr);
    EXPECT_EQ(installers->property("opacity").toDouble(), 0.5);
    EXPECT_EQ(visibleItems(installers, QStringLiteral("allReviewed")).size(), 1);
    click(installers);
    EXPECT_EQ(review->screen(), "picker");
    EXPECT_FALSE(model->swipe()->session());
}

}  // namespace
}  // namespace tandor
