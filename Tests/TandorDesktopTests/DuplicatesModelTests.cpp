#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "DuplicateFakes.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "Duplicates/SimilarPhotosListModel.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Waits, on the calling thread, until the search is asked to stop.
void waitForStop(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

DuplicateReport reportWith(const std::string& id, const std::string& home) {
    const std::vector<DuplicateFile> files = {
        {home + "/a/" + id, 2'000'000, std::nullopt, std::nullopt},
        {home + "/b/" + id, 2'000'000, std::nullopt, std::nullopt}};
    return DuplicateReport({DuplicateGroup(id, 2'000'000, files, {})}, {}, 2, 0, {}, 0);
}

// A scanned fixture home and a duplicates model beside its scan model.
class DuplicatesModelTest : public ::testing::Test {
  protected:
    DuplicatesModelTest() {
        ui::Texts::setLanguage(QStringLiteral("en"));
        testing::writeFile(home / "Documents/notes.txt", "notes");
    }

    void scan() {
        ASSERT_TRUE(scanModel.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scanModel.isScanning(); }, 60'000));
        ASSERT_NE(scanModel.root(), nullptr);
    }

    bool waitForPhase(DuplicatesModel& model, const char* phase) {
        return QTest::qWaitFor([&] { return model.phaseName() == QLatin1String(phase); }, 20'000);
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    ScanModel scanModel;
};

TEST_F(DuplicatesModelTest, StopEndsOnTheStartCardAndPublishesNothing) {
    scan();
    std::atomic<int> searches = 0;
    DuplicatesModel model(
        scanModel, {[&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress& progress,
                        std::stop_token) {
                        progress(DuplicateFinder::Stage::reading, 1, 1);
                        return reportWith("g" + std::to_string(++searches), home.path());
                    },
                    [&](FileNode&, const HomePlaces&, const std::set<std::string>&,
                        const SimilarPhotoFinder::Progress&, std::stop_token stop) {
                        if (searches == 2) {
                            waitForStop(stop);
                            CancellationError::checkCancellation(stop);
                        }
                        return SimilarPhotoReport{};
                    }});
    model.run();
    ASSERT_TRUE(waitForPhase(model, "ready"));
    EXPECT_TRUE(model.resultsAreCurrent());

    model.run();
    EXPECT_EQ(model.phaseName(), "working");
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.phaseText().startsWith("Reading"); }, 5'000));
    model.cancel();
    ASSERT_TRUE(waitForPhase(model, "idle"));
    ASSERT_EQ(model.search().groups().size(), 1u);
    EXPECT_EQ(model.search().groups().front().id(), "g1");
}

// A search replaced by a newer one may still finish (it had passed its last
// check) while the newer one works; what it found never reaches the screen.
TEST_F(DuplicatesModelTest, ASupersededSearchNeverPublishes) {
    scan();
    std::atomic<int> searches = 0;
    std::atomic<bool> olderReturned = false;
    std::atomic<bool> olderLooked = false;
    DuplicatesModel model(
        scanModel,
        {[&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&, std::stop_token stop) {
             const int number = ++searches;
             if (number == 1) {
                 waitForStop(stop);
             } else {
                 while ((!olderReturned || !olderLooked) && !stop.stop_requested()) {
                     std::this_thread::sleep_for(std::chrono::milliseconds(2));
                 }
             }
             return reportWith("search " + std::to_string(number), home.path());
         },
         [&](FileNode&, const HomePlaces&, const std::set<std::string>&,
             const SimilarPhotoFinder::Progress&, std::stop_token) {
             olderReturned = true;
             return SimilarPhotoReport{};
         }});
    QAbstractItemModelTester tester(model.identical());
    model.run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return searches == 1; }, 5'000));
    model.run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return olderReturned.load(); }, 5'000));
    QTest::qWait(100);
    EXPECT_EQ(model.phaseName(), "working");
    EXPECT_THAT(model.search().groups(), IsEmpty());
    olderLooked = true;
    ASSERT_TRUE(waitForPhase(model, "ready"));
    ASSERT_EQ(model.search().groups().size(), 1u);
    EXPECT_EQ(model.search().groups().front().id(), "search 2");
}

TEST_F(DuplicatesModelTest, AFailureShowsItsMessage) {
    scan();
    DuplicatesModel model(scanModel,
                          {[](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&,
                              std::stop_token) -> DuplicateReport {
                               throw std::runtime_error("The disk went away.");
                           },
                           testing::noSimilarPhotos});
    model.run();
    ASSERT_TRUE(waitForPhase(model, "failed"));
    EXPECT_EQ(model.phaseText(), "The disk went away.");
}

// Real copies found by the real finders; a commit made while no view is
// shown still takes the moved copies out of the groups.
TEST_F(DuplicatesModelTest, MovedCopiesLeaveTheGroupsWithoutAnyView) {
    const std::string content(1'200'000, 'r');
    for (const char* name : {"Documents/report.pdf", "Downloads/report.pdf",
                             "Downloads/report copy.pdf", "Desktop/old/report.pdf"}) {
        testing::writeFile(home / name, content);
    }
    scan();
    DuplicatesModel model(scanModel);
    QAbstractItemModelTester identicalTester(model.identical());
    QAbstractItemModelTester similarTester(model.similar());
    model.run();
    ASSERT_TRUE(waitForPhase(model, "ready")) << model.phaseText().toStdString();
    ASSERT_EQ(model.identical()->rowCount(), 1);
    EXPECT_EQ(model.identical()->header(), "1 group · 3.6 MB in extra copies");

    const auto& files = model.search().groups().front().files();
    ASSERT_EQ(files.size(), 4u);
    const auto copy = std::find_if(files.begin(), files.end(), [&](const DuplicateFile& file) {
        return file.path == home / "Downloads/report copy.pdf";
    });
    ASSERT_NE(copy, files.end());
    EXPECT_EQ(model.identical()->toggle(0, static_cast<int>(copy - files.begin())), "");
    scanModel.addToPile({home / "Desktop/old", 1, std::nullopt});
    scanModel.commitPile();
    ASSERT_FALSE(scanModel.lastMovedPaths().empty());

    ASSERT_EQ(model.identical()->rowCount(), 1);
    const auto& left = model.search().groups().front();
    EXPECT_EQ(left.files().size(), 2u);
    for (const auto& file : left.files()) {
        EXPECT_EQ(file.path.find(home / "Desktop/old"), std::string::npos);
    }
}

// The tree still holds what commits moved, before the search and while it
// runs; neither reaches the results, not even as the kept copy.
TEST_F(DuplicatesModelTest, WhatCommitsMovedNeverReachesTheResults) {
    const std::string content(1'200'000, 'r');
    for (const char* name : {"Documents/report.pdf", "Documents/Archive/report.pdf",
                             "Downloads/report.pdf", "Desktop/old/report.pdf"}) {
        testing::writeFile(home / name, content);
    }
    scan();
    scanModel.addToPile({home / "Desktop/old", 1, std::nullopt});
    scanModel.commitPile();
    ASSERT_TRUE(scanModel.movedSinceScan(home / "Desktop/old/report.pdf"));

    std::atomic<bool> atPhotos = false;
    std::atomic<bool> release = false;
    DuplicatesModel model(scanModel,
                          {DuplicateFinders::standard().duplicates,
                           [&](FileNode&, const HomePlaces&, const std::set<std::string>&,
                               const SimilarPhotoFinder::Progress&, std::stop_token) {
                               atPhotos = true;
                               while (!release) {
                                   std::this_thread::sleep_for(std::chrono::milliseconds(2));
                               }
                               return SimilarPhotoReport{};
                           }});
    model.run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return atPhotos.load(); }, 20'000));
    scanModel.addToPile({home / "Documents/report.pdf", 1, std::nullopt});
    scanModel.commitPile();
    release = true;
    ASSERT_TRUE(waitForPhase(model, "ready")) << model.phaseText().toStdString();

    ASSERT_EQ(model.search().groups().size(), 1u);
    const auto& group = model.search().groups().front();
    std::vector<std::string> paths;
    for (const auto& file : group.files()) {
        paths.push_back(file.path);
    }
    EXPECT_THAT(paths, ::testing::UnorderedElementsAre(home / "Documents/Archive/report.pdf",
                                                       home / "Downloads/report.pdf"));
    EXPECT_EQ(group.keeperPath(), home / "Documents/Archive/report.pdf");
    // A moved file the search could not read is gone, not unreadable.
    EXPECT_FALSE(model.footnotes().join(' ').contains("could not be read"))
        << model.footnotes().join(' ').toStdString();
}

TEST_F(DuplicatesModelTest, TheIdenticalListShowsFlagsAndKeepsRowsOpenByGroup) {
    scan();
    DuplicatesModel model(
        scanModel,
        {[&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&, std::stop_token) {
             return DuplicateReport(
                 {DuplicateGroup("g", 2'000'000,
                                 {{"/h/a/x", 2'000'000, std::nullopt, std::nullopt},
                                  {"/h/b/x", 2'000'000, std::nullopt, std::nullopt},
                                  {"/h/c/x", 2'000'000, std::nullopt, std::nullopt}},
                                 {})},
                 {}, 3, 0, {}, 0);
         },
         testing::noSimilarPhotos});
    auto* list = model.identical();
    QAbstractItemModelTester tester(list);
    model.run();
    ASSERT_TRUE(waitForPhase(model, "ready"));
    const auto files = [&] {
        return list->data(list->index(0), IdenticalFilesListModel::FilesRole).toList();
    };
    const auto flag = [&](int file, const char* name) {
        return files()[file].toMap()[QString::fromUtf8(name)].toBool();
    };
    const auto inPile = [&](int file) {
        return list->data(list->index(0), IdenticalFilesListModel::InPileRole)
            .toList()[file]
            .toBool();
    };
    EXPECT_TRUE(flag(0, "isKeeper"));

    list->setExpanded(0, true);
    EXPECT_EQ(list->toggle(0, 1), "");
    EXPECT_TRUE(inPile(1));
    EXPECT_FALSE(list->data(list->index(0), IdenticalFilesListModel::AllExtrasInPileRole).toBool());
    EXPECT_EQ(list->toggle(0, 2), "");
    EXPECT_TRUE(list->data(list->index(0), IdenticalFilesListModel::AllExtrasInPileRole).toBool());
    EXPECT_EQ(list->toggle(0, 0),
              "That is the copy Tandor keeps. Choose another copy to keep first.");

    list->keep(0, 1);
    EXPECT_FALSE(inPile(1));
    EXPECT_TRUE(flag(1, "isKeeper"));
    EXPECT_EQ(list->data(list->index(0), IdenticalFilesListModel::SummaryRole).toString(),
              "3 copies of 2 MB · You chose this copy");
    EXPECT_TRUE(list->data(list->index(0), IdenticalFilesListModel::ExpandedRole).toBool());
    EXPECT_FALSE(list->data(list->index(0), IdenticalFilesListModel::AllExtrasInPileRole).toBool());

    list->addCopies(0);
    EXPECT_TRUE(list->data(list->index(0), IdenticalFilesListModel::AllExtrasInPileRole).toBool());
    EXPECT_EQ(list->toggle(0, 2), "");
    EXPECT_FALSE(inPile(2));
}

// A change of the pile redraws only the rows whose flags it changed, in runs
// of neighbouring rows, and never the copies themselves.
TEST_F(DuplicatesModelTest, APileChangeRedrawsOnlyTheRowsItTouches) {
    scan();
    const auto group = [](const std::string& name) {
        return DuplicateGroup(name, 2'000'000,
                              {{"/h/a/" + name, 2'000'000, std::nullopt, std::nullopt},
                               {"/h/b/" + name, 2'000'000, std::nullopt, std::nullopt}},
                              {});
    };
    DuplicatesModel model(
        scanModel,
        {[&](FileNode&, const HomePlaces&, const DuplicateFinder::Progress&, std::stop_token) {
             return DuplicateReport({group("g0"), group("g1"), group("g2"), group("g3")}, {}, 8, 0,
                                    {}, 0);
         },
         testing::noSimilarPhotos});
    auto* list = model.identical();
    QAbstractItemModelTester tester(list);
    model.run();
    ASSERT_TRUE(waitForPhase(model, "ready"));
    ASSERT_EQ(list->rowCount(), 4);
    // The extra copy of each group is the one in b.
    const auto extra = [](const char* name) { return std::string("/h/b/") + name; };

    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<std::pair<int, int>> runs;
    };
    const std::vector<Case> cases = {
        {"one copy added",
         [&] {
             scanModel.addToPile({extra("g1"), 1, std::nullopt});
         },
         {{1, 1}}},
        {"a path outside every group",
         [&] {
             scanModel.addToPile({"/h/c", 1, std::nullopt});
         },
         {}},
        {"every group", [&] { list->addAll(); }, {{0, 0}, {2, 3}}},
        {"one copy taken off", [&] { scanModel.removeFromPile(extra("g2")); }, {{2, 2}}},
    };
    for (const auto& c : cases) {
        QSignalSpy redrawn(list, &QAbstractItemModel::dataChanged);
        c.change();
        std::vector<std::pair<int, int>> runs;
        for (const auto& signal : redrawn) {
            runs.emplace_back(signal[0].toModelIndex().row(), signal[1].toModelIndex().row());
            EXPECT_THAT(signal[2].value<QList<int>>(),
                        ::testing::Not(::testing::Contains(IdenticalFilesListModel::FilesRole)))
                << c.name;
        }
        EXPECT_EQ(runs, c.runs) << c.name;
    }
    EXPECT_TRUE(list->data(list->index(3), IdenticalFilesListModel::AllExtrasInPileRole).toBool());
    EXPECT_FALSE(list->data(list->index(2), IdenticalFilesListModel::AllExtrasInPileRole).toBool());
}

}  // namespace
}  // namespace tandor
