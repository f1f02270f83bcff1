#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "DuplicateFakes.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/FileActions.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "Duplicates/SimilarPhotosListModel.hpp"
#include "MainWindow.hpp"
#include "PhotoFixture.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allWarnings;

using testing::click;
using testing::itemWithText;
using testing::visibleItems;

void settle() {
    QTest::qWait(80);
}

std::vector<std::string> pilePaths(const ScanModel& model) {
    std::vector<std::string> paths;
    for (const auto& entry : model.pile().entries()) {
        paths.push_back(entry.path);
    }
    return paths;
}

// The main window on a fixture home with three copies of a report and a
// burst of three similar photos, scanned, with the Duplicates tab shown.
class DuplicatesTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        testing::QmlWarnings::messages().clear();
        const std::string report(1'500'000, 'r');
        for (const char* name :
             {"Documents/report.pdf", "Downloads/report.pdf", "Downloads/report copy.pdf"}) {
            testing::writeFile(home / name, report);
        }
        std::filesystem::create_directories(home / "Pictures");
        for (int shot = 0; shot < 3; ++shot) {
            testing::PhotoSpec spec;
            spec.scene = 11;
            // Above 1 MB: the home scan folds smaller files into their folder.
            spec.width = 3000;
            spec.height = 2250;
            spec.quality = 97;
            spec.variation.noiseSeed = static_cast<std::uint64_t>(shot + 1);
            spec.variation.left = 0.01 * shot;
            spec.exifDate = "2026:05:01 10:00:0" + std::to_string(shot);
            testing::writePhoto(home / ("Pictures/burst " + std::to_string(shot) + ".jpg"), spec);
        }
        ASSERT_TRUE(scanModel.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scanModel.isScanning(); }, 60'000));
    }

    void TearDown() override {
        EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
    }

    void load(std::optional<DuplicateFinders> finders = std::nullopt) {
        model = finders ? std::make_unique<DuplicatesModel>(scanModel, *finders)
                        : std::make_unique<DuplicatesModel>(scanModel);
        ApplicationEngine::prepare(engine, scanModel);
        DuplicatesModel::prepare(engine, model.get());
        ASSERT_NO_FATAL_FAILURE(testing::loadMainWindow(engine, window));
    }

    void showTab(const char* title) {
        testing::showTab(window, QString::fromUtf8(title));
        settle();
    }

    QList<QQuickItem*> shown(const char* name) const {
        return visibleItems(window->contentItem(), QString::fromUtf8(name));
    }

    QQuickItem* first(const char* name) const {
        return testing::firstVisibleItem(window->contentItem(), QString::fromUtf8(name));
    }

    QQuickItem* withText(const char* text) const {
        return itemWithText(window->contentItem(), QString::fromUtf8(text));
    }

    QQuickItem* menuEntry(const char* name) const {
        return testing::openedMenuEntry(window->contentItem(), QString::fromUtf8(name));
    }

    QString notice() const {
        QQuickItem* item = first("duplicatesNotice");
        return item == nullptr ? QString() : item->property("text").toString();
    }

    void findDuplicates(DuplicatesModel& duplicates) {
        click(first("findDuplicatesButton"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return duplicates.phaseName() == "ready"; }, 60'000))
            << duplicates.phaseText().toStdString();
        settle();
    }

    // Loads the window with these finders (else the real ones) and runs a
    // search on the Duplicates tab to its end.
    void loadAndFind(std::optional<DuplicateFinders> finders = std::nullopt) {
        load(std::move(finders));
        showTab("Duplicates");
        findDuplicates(*model);
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel scanModel;
    // Made before the engine and gone after it, as in the application.
    std::unique_ptr<DuplicatesModel> model;
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
};

TEST_F(DuplicatesTabTest, FindsCopiesPilesThemAndKeepsOneAlways) {
    load();
    DuplicatesModel& duplicates = *model;
    showTab("Duplicates");
    ASSERT_NE(withText("Find identical files and similar photos"), nullptr);
    findDuplicates(duplicates);
    ASSERT_EQ(shown("duplicateGroupRow").size(), 1);
    EXPECT_NE(withText("1 group · 3 MB in extra copies"), nullptr);
    EXPECT_TRUE(shown("staleNote").isEmpty());

    // Open the group: the kept copy is marked and has no pile button.
    click(withText("report.pdf"));
    QTest::qWait(400);  // the group's opening
    ASSERT_EQ(shown("duplicateFile").size(), 3);
    EXPECT_EQ(shown("keepMark").size(), 1);
    ASSERT_EQ(shown("togglePile").size(), 2);
    ASSERT_EQ(shown("fileMenuButton").size(), 3);

    const auto& group = duplicates.search().groups().front();
    const std::string kept = group.keeperPath();
    const std::string second = group.files()[1].path;
    click(shown("togglePile")[0]);
    settle();
    EXPECT_THAT(pilePaths(scanModel), ::testing::ElementsAre(second));

    // With the kept copy's folder on the pile (put there from another tab),
    // the last copy left is refused; the refusal survives the mode switch
    // and a new search clears it.
    const std::string keptFolder = kept.substr(0, kept.rfind('/'));
    ASSERT_TRUE(scanModel.addToPile({keptFolder, 1, std::nullopt}));
    click(shown("togglePile")[1]);
    settle();
    EXPECT_THAT(notice().toStdString(), ::testing::StartsWith("That would move every copy of"));
    EXPECT_EQ(scanModel.pile().count(), 2u);
    click(withText("Similar photos"));
    settle();
    EXPECT_THAT(notice().toStdString(), ::testing::StartsWith("That would move every copy of"));
    click(first("searchAgainButton"));
    EXPECT_EQ(notice(), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return duplicates.phaseName() == "ready"; }, 60'000));
    settle();
    EXPECT_EQ(first("identicalFilesList"), nullptr) << "the mode stays on similar photos";
    click(withText("Identical files"));
    settle();

    // The group is still open: its open state belongs to the group. Keep the
    // copy on the pile instead: it leaves the pile and is kept.
    ASSERT_EQ(shown("fileMenuButton").size(), 3);
    click(shown("fileMenuButton")[1]);
    click(menuEntry("keepThisCopy"));
    settle();
    EXPECT_EQ(duplicates.search().groups().front().keeperPath(), second);
    EXPECT_THAT(pilePaths(scanModel), ::testing::ElementsAre(keptFolder));
    EXPECT_EQ(shown("keepMark").size(), 1);
}

TEST_F(DuplicatesTabTest, PhotoTilesGoOntoThePileAndOffWithAClick) {
    loadAndFind();
    DuplicatesModel& duplicates = *model;
    click(withText("Similar photos"));
    settle();
    ASSERT_EQ(shown("similarGroupRow").size(), 1)
        << duplicates.search().photoGroups().size() << " groups; "
        << duplicates.footnotes().join(' ').toStdString();
    // A tile is looked up each time: the strip may lay its tiles out anew.
    const auto tile = [&](int index) { return shown("photoPicture").value(index); };
    ASSERT_EQ(shown("photoPicture").size(), 3);
    EXPECT_EQ(shown("bestBadge").size(), 1);

    click(tile(0));
    settle();
    EXPECT_THAT(notice().toStdString(), ::testing::StartsWith("That is the shot Tandor keeps."));
    click(tile(1));
    settle();
    EXPECT_EQ(notice(), "");
    EXPECT_EQ(scanModel.pile().count(), 1u);
    EXPECT_EQ(shown("pileBadge").size(), 1);
    click(tile(1));
    settle();
    EXPECT_TRUE(scanModel.pile().isEmpty());

    click(tile(2), Qt::RightButton);
    click(menuEntry("keepAsBest"));
    settle();
    const auto& group = duplicates.search().photoGroups().front();
    EXPECT_EQ(group.bestPath(), group.photos()[2].path);
    EXPECT_EQ(group.bestReason(), "You chose this shot");
}

TEST_F(DuplicatesTabTest, StopReturnsToTheStartCard) {
    std::atomic<bool> searching = false;
    load(DuplicateFinders{[&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&,
                              std::stop_token stop) -> DuplicateReport {
                              searching = true;
                              while (true) {
                                  CancellationError::checkCancellation(stop);
                                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
                              }
                          },
                          testing::noSimilarPhotos});
    DuplicatesModel& duplicates = *model;
    showTab("Duplicates");
    click(first("findDuplicatesButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return searching.load(); }, 5'000));
    settle();
    EXPECT_NE(first("duplicatesProgress"), nullptr);
    click(first("stopSearchButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("findDuplicatesButton") != nullptr; }, 5'000));
    EXPECT_EQ(duplicates.phaseName(), "idle");
}

// A commit made while another tab is shown: the moved copies are gone when
// the Duplicates tab comes back, and a new scan marks the results stale.
TEST_F(DuplicatesTabTest, CopiesMovedFromAnotherTabAreGoneOnReturn) {
    loadAndFind();
    click(withText("Add all extra copies to pile"));
    settle();
    EXPECT_EQ(scanModel.pile().count(), 2u);
    EXPECT_NE(withText("In pile"), nullptr);

    showTab("Suggestions");
    scanModel.commitPile();
    settle();
    showTab("Duplicates");
    EXPECT_TRUE(shown("duplicateGroupRow").isEmpty());
    EXPECT_NE(withText("No identical files found."), nullptr);

    ASSERT_TRUE(scanModel.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scanModel.isScanning(); }, 60'000));
    showTab("Duplicates");
    EXPECT_EQ(shown("staleNote").size(), 1);
}

// "Show in File Manager" and "Open" hand the right file to the file actions;
// the recorders stand where the file manager and the viewer would start.
TEST_F(DuplicatesTabTest, MenusHandTheChosenFileToTheFileActions) {
    load();
    DuplicatesModel& duplicates = *model;
    std::vector<std::string> revealed;
    std::vector<std::string> opened;
    const FileActions recorders{[&](const std::string& path) { revealed.push_back(path); },
                                [&](const std::string& path) { opened.push_back(path); }};
    duplicates.identical()->setFileActions(recorders);
    duplicates.similar()->setFileActions(recorders);
    showTab("Duplicates");
    findDuplicates(duplicates);

    click(withText("report.pdf"));
    QTest::qWait(400);  // the group's opening
    ASSERT_EQ(shown("fileMenuButton").size(), 3);
    click(shown("fileMenuButton")[2]);
    click(menuEntry("showCopyInFileManager"));
    settle();
    EXPECT_THAT(revealed,
                ::testing::ElementsAre(duplicates.search().groups().front().files()[2].path));

    click(withText("Similar photos"));
    settle();
    ASSERT_EQ(shown("photoPicture").size(), 3);
    const auto& photos = duplicates.search().photoGroups().front().photos();
    click(shown("photoPicture")[1], Qt::RightButton);
    click(menuEntry("openPhoto"));
    settle();
    click(shown("photoPicture")[2], Qt::RightButton);
    click(menuEntry("showPhotoInFileManager"));
    settle();
    EXPECT_THAT(opened, ::testing::ElementsAre(photos[1].path));
    EXPECT_THAT(revealed, ::testing::ElementsAre(::testing::_, photos[2].path));
    EXPECT_TRUE(scanModel.pile().isEmpty()) << "a menu click is no tile click";
}

// "Add others" puts every photo but the best shot on the pile, and never the
// last one that stays: with the best shot already on the pile from another
// tab, one of the others stays.
TEST_F(DuplicatesTabTest, AddOthersLeavesOnePhotoAlways) {
    loadAndFind();
    DuplicatesModel& duplicates = *model;
    click(withText("Similar photos"));
    settle();
    const auto group = duplicates.search().photoGroups().front();
    ASSERT_EQ(group.photos().size(), 3u);

    struct Case {
        const char* name;
        bool bestShotOnPile;
        std::size_t othersOnPile;
    };
    for (const Case& c :
         {Case{"an empty pile", false, 2}, Case{"the best shot on the pile", true, 1}}) {
        scanModel.changePile([](ReviewPile& pile) { pile.clear(); });
        if (c.bestShotOnPile) {
            ASSERT_TRUE(scanModel.addToPile({group.bestPath(), 1, std::nullopt}));
        }
        settle();
        click(first("addOthers"));
        settle();
        const auto others = group.others();
        const auto onPile = std::count_if(
            others.begin(), others.end(),
            [&](const SimilarPhoto& photo) { return scanModel.pile().contains(photo.path); });
        EXPECT_EQ(static_cast<std::size_t>(onPile), c.othersOnPile) << c.name;
        EXPECT_EQ(scanModel.pile().contains(group.bestPath()), c.bestShotOnPile) << c.name;
        EXPECT_EQ(shown("pileBadge").size(), scanModel.pile().count()) << c.name;
    }
}

// A copy that shares part of its space with a clone says so on its size, and
// the clone groups get their note under the list.
TEST_F(DuplicatesTabTest, TheCloneHelpShows) {
    const std::string documents = home / "Documents";
    loadAndFind(DuplicateFinders{
        [&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&, std::stop_token) {
            const auto copy = [&](const char* name, std::int64_t privateSize) {
                return DuplicateFile{
                    documents + "/" + name, 2'000'000, std::nullopt,
                    CloneInfo{static_cast<std::uint64_t>(privateSize), privateSize}};
            };
            return DuplicateReport(
                {DuplicateGroup("shared", 2'000'000,
                                {copy("a.mov", 1'500'000), copy("b.mov", 600'000)}, {})},
                {DuplicateGroup("clones", 3'000'000,
                                {{documents + "/c.mov", 3'000'000, std::nullopt, CloneInfo{7, 0}},
                                 {documents + "/d.mov", 3'000'000, std::nullopt, CloneInfo{7, 0}}},
                                {})},
                4, 0, {}, 0);
        },
        testing::noSimilarPhotos});
    EXPECT_NE(withText("1 more group is a copy-on-write clone: it already shares its space, so "
                       "there is nothing to gain."),
              nullptr);

    click(withText("a.mov"));
    QTest::qWait(400);  // the group's opening
    // The copy's own size, not the group's total of the same figure.
    QQuickItem* size = nullptr;
    for (QQuickItem* copy : shown("duplicateFile")) {
        size = size != nullptr ? size : itemWithText(copy, QStringLiteral("600 KB"));
    }
    ASSERT_NE(size, nullptr);
    const QPointF center = size->mapToScene(QPointF(size->width() / 2, size->height() / 2));
    QTest::mouseMove(window, center.toPoint());
    const QString help =
        QStringLiteral("Partly shared with a copy-on-write clone: only this much comes back.");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return withText(help.toUtf8().constData()) != nullptr; }, 3'000));
}

}  // namespace
}  // namespace tandor
