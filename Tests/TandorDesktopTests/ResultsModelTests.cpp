#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "Results/CategoryListModel.hpp"
#include "Results/FeatureTip.hpp"
#include "Results/PileListModel.hpp"
#include "Results/ResultsText.hpp"
#include "Results/SuggestionListModel.hpp"
#include "SettingsFolder.hpp"
#include "Shell/PileCommit.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::fileNode;
using testing::folderNode;
using Role = SuggestionListModel::Role;

Suggestion makeSuggestion(const std::string& rule, SafetyLevel safety,
                          std::vector<SuggestionItem> items,
                          std::optional<std::string> subcategory = std::nullopt) {
    return Suggestion(rule, rule + " title", StorageCategory::caches, std::move(subcategory),
                      safety, "reason", {Evidence::observed("seen")}, std::move(items));
}

std::vector<SuggestionItem> itemsUnder(const std::string& folder, int count) {
    std::vector<SuggestionItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back({folder + "/item" + std::to_string(i), 1000, std::nullopt, std::nullopt});
    }
    return items;
}

QVariant cell(const QAbstractItemModel& model, int row, int role) {
    return model.data(model.index(row, 0), role);
}

TEST(ResultsShare, RoundsHalvesAwayFromZeroAndNeedsAScanTotal) {
    struct Case {
        std::int64_t part, whole;
        std::optional<std::int64_t> percent;
    };
    const Case cases[] = {
        {1, 3, 33}, {2, 3, 67}, {1, 200, 1}, {1, 201, 0}, {5, 5, 100},
        {0, 10, 0}, {1, 0, {}}, {1, -5, {}}, {3, 8, 38},  {INT64_MAX / 2, INT64_MAX, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(results::sharePercent(c.part, c.whole), c.percent) << c.part << "/" << c.whole;
    }
}

TEST(SuggestionList, GroupsBySafetyInLevelOrderKeepingTheScanOrder) {
    SuggestionListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContent({makeSuggestion("a", SafetyLevel::needsReview, itemsUnder("/h/a", 1)),
                      makeSuggestion("b", SafetyLevel::regenerable, itemsUnder("/h/b", 1)),
                      makeSuggestion("c", SafetyLevel::needsReview, itemsUnder("/h/c", 1)),
                      makeSuggestion("d", SafetyLevel::regenerable, itemsUnder("/h/d", 1))},
                     {});
    QStringList order;
    for (int row = 0; row < model.rowCount(); ++row) {
        order << cell(model, row, Role::IdRole).toString() + ":" +
                     cell(model, row, Role::SafetyRole).toString();
    }
    EXPECT_EQ(order.join(' '), "b:regenerable d:regenerable a:needsReview c:needsReview");

    model.setContent({}, {});
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(SuggestionList, AnOpenCardStaysOpenWhenTheListIsRebuilt) {
    SuggestionListModel model;
    const auto a = makeSuggestion("a", SafetyLevel::regenerable, itemsUnder("/h/a", 2));
    const auto b = makeSuggestion("b", SafetyLevel::regenerable, itemsUnder("/h/b", 1));
    model.setContent({a, b}, {});
    model.setExpanded(1, true);
    EXPECT_FALSE(cell(model, 0, Role::ExpandedRole).toBool());

    // A commit took "a" away: "b" moves up a row and keeps its details open.
    model.setContent({b}, {});
    EXPECT_TRUE(cell(model, 0, Role::ExpandedRole).toBool());
    model.setExpanded(0, false);
    EXPECT_FALSE(cell(model, 0, Role::ExpandedRole).toBool());
    model.setExpanded(7, true);  // no such row: ignored
}

TEST(SuggestionList, MainButtonFollowsSafetyAndThePile) {
    struct Case {
        const char* name;
        SafetyLevel safety;
        int items;
        int itemsOnPile;
        const char* text;
        bool primary;
        bool inPile;
    };
    const Case cases[] = {
        {"regenerable", SafetyLevel::regenerable, 2, 0, "Clean", true, false},
        {"elsewhere", SafetyLevel::existsElsewhere, 2, 0, "Add to pile", false, false},
        {"review", SafetyLevel::needsReview, 2, 0, "Add to pile", false, false},
        {"no items", SafetyLevel::regenerable, 0, 0, "In pile", false, true},
        {"some on pile", SafetyLevel::regenerable, 2, 1, "Clean", true, false},
        {"all on pile", SafetyLevel::regenerable, 2, 2, "In pile", false, true},
    };
    for (const Case& c : cases) {
        const auto items = itemsUnder("/h/x", c.items);
        ReviewPile pile;
        for (int i = 0; i < c.itemsOnPile; ++i) {
            pile.add({items[std::size_t(i)].path, 1000, std::nullopt});
        }
        SuggestionListModel model;
        model.setContent({makeSuggestion("x", c.safety, items)}, pile);
        EXPECT_EQ(cell(model, 0, Role::MainButtonTextRole).toString(), c.text) << c.name;
        EXPECT_EQ(cell(model, 0, Role::PrimaryRole).toBool(), c.primary) << c.name;
        EXPECT_EQ(cell(model, 0, Role::InPileRole).toBool(), c.inPile) << c.name;
    }
}

TEST(SuggestionList, DetailsListTheFirstFiftyItemsWithNotesAndPileState) {
    auto items = itemsUnder("/h/many", 120);
    items[1].note = "a note";
    ReviewPile pile;
    pile.add({items[2].path, 1000, std::nullopt});
    SuggestionListModel model;
    model.setContent({makeSuggestion("many", SafetyLevel::needsReview, items)}, pile);

    const QVariantList shown = cell(model, 0, Role::ItemsRole).toList();
    ASSERT_EQ(shown.size(), 50);
    EXPECT_EQ(shown[0].toMap()["path"].toString(), "/h/many/item0");
    EXPECT_EQ(shown[0].toMap()["note"].toString(), "");
    EXPECT_EQ(shown[1].toMap()["note"].toString(), "a note");
    EXPECT_FALSE(shown[1].toMap()["inPile"].toBool());
    EXPECT_TRUE(shown[2].toMap()["inPile"].toBool());
    EXPECT_EQ(cell(model, 0, Role::SubcategoryRole).toString(), "");
    EXPECT_EQ(cell(model, 0, Role::SizeTextRole).toString(), "120 KB");
}

TEST(SuggestionList, TheEvidenceLeavesOutTheReasonTheCardAlreadyShows) {
    SuggestionListModel model;
    model.setContent({Suggestion("r", "Title", StorageCategory::caches, std::nullopt,
                                 SafetyLevel::regenerable, "Rebuilt when needed.",
                                 {Evidence::observed("2 items, 2 KB on disk"),
                                  Evidence::inferred("Rebuilt when needed."),
                                  Evidence::inferred("To get it back: open the app")},
                                 itemsUnder("/h/r", 2))},
                     ReviewPile());

    QStringList lines;
    for (const QVariant& line : cell(model, 0, Role::EvidenceRole).toList()) {
        lines.append(line.toMap()["text"].toString());
    }
    EXPECT_EQ(lines, (QStringList{"2 items, 2 KB on disk", "To get it back: open the app"}));
    EXPECT_EQ(cell(model, 0, Role::ReasonRole).toString(), "Rebuilt when needed.");
}

TEST(SuggestionList, AddsThroughTheScanModelItemByItemThenWhole) {
    const testing::FixtureHome home;
    ScanModel scanModel;
    SuggestionListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setScanModel(&scanModel);
    model.setContent({makeSuggestion("rule", SafetyLevel::regenerable, itemsUnder("/h/r", 3))},
                     scanModel.pile());

    model.addItemToPile(0, 1);
    model.addItemToPile(0, 1);  // the pile refuses the same path twice
    model.addItemToPile(0, 7);  // out of range: nothing
    ASSERT_EQ(scanModel.pile().count(), 1u);
    EXPECT_EQ(scanModel.pile().entries()[0].ruleID, "rule");
    EXPECT_TRUE(cell(model, 0, Role::ItemsRole).toList()[1].toMap()["inPile"].toBool());
    EXPECT_EQ(cell(model, 0, Role::MainButtonTextRole).toString(), "Clean");

    model.addToPile(0);
    EXPECT_EQ(scanModel.pile().count(), 3u);
    EXPECT_EQ(cell(model, 0, Role::MainButtonTextRole).toString(), "In pile");

    scanModel.removeFromPile("/h/r/item0");
    EXPECT_EQ(cell(model, 0, Role::MainButtonTextRole).toString(), "Clean");
}

class PileListTest : public ::testing::Test {
  protected:
    void addFile(const std::string& name, std::int64_t bytes) {
        const std::string path = home / name;
        std::ofstream(path) << std::string(std::size_t(bytes), 'x');
        scanModel.addToPile({path, bytes, std::nullopt});
    }
    QStringList names() const {
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) {
            shown << cell(model, row, PileListModel::NameRole).toString();
        }
        return shown;
    }

    testing::FixtureHome home;
    ScanModel scanModel;
    PileListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(PileListTest, EmptyPileOffersNothingToUndoOrCommit) {
    model.setScanModel(&scanModel);
    EXPECT_TRUE(model.isEmpty());
    EXPECT_EQ(model.summary(), "Add suggestions or single items here.");
    model.undo();
    model.commit();
    EXPECT_TRUE(model.lastCommitMessage().isEmpty());
}

TEST_F(PileListTest, TakesOutOneRowAndUndoesTheLastAddition) {
    model.setScanModel(&scanModel);
    addFile("first", 10);
    addFile("second", 20);
    addFile("third", 30);
    model.remove(1);
    EXPECT_EQ(names(), (QStringList{"first", "third"}));
    model.undo();
    EXPECT_EQ(names(), (QStringList{"first"}));
    EXPECT_EQ(cell(model, 0, PileListModel::PathRole).toString(),
              QString::fromStdString(home / "first"));
}

TEST_F(PileListTest, SummaryAndConfirmationCountTheWholePile) {
    model.setScanModel(&scanModel);
    scanModel.addToPile({home / "big", 1'500'000, std::nullopt});
    const QString size = QString::fromStdString(ByteFormat::string(1'500'000));
    EXPECT_EQ(model.summary(), "1 item · " + size);
    EXPECT_EQ(model.confirmationTitle(), "Move 1 item (" + size + ") to the Trash?");
}

TEST_F(PileListTest, CommitMovesToTheTrashAndKeepsWhatFailed) {
    model.setScanModel(&scanModel);
    addFile("gone", 10);
    scanModel.addToPile({home / "missing", 5, std::nullopt});
    model.commit();
    EXPECT_FALSE(std::filesystem::exists(home / "gone"));
    EXPECT_EQ(names(), (QStringList{"missing"}));
    EXPECT_FALSE(model.lastCommitMessage().isEmpty());
    EXPECT_EQ(model.lastCommitMessage(), scanModel.lastCommitMessage());
}

TEST_F(PileListTest, AFailedRowSaysWhyUntilItLeavesThePile) {
    model.setScanModel(&scanModel);
    const std::string missing = home / "missing";
    scanModel.addToPile({missing, 5, std::nullopt});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.commit();

    // Nothing moved, so only the reasons tell the view something changed.
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_TRUE(changed.last().at(2).value<QList<int>>().contains(PileListModel::ReasonRole));
    EXPECT_EQ(cell(model, 0, PileListModel::ReasonRole).toString(), "It is no longer there.");
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(cell(model, 0, PileListModel::ReasonRole).toString(), "Non è più lì.");
    ui::Texts::setLanguage(QStringLiteral("en"));

    model.remove(0);
    scanModel.addToPile({missing, 5, std::nullopt});
    EXPECT_EQ(cell(model, 0, PileListModel::ReasonRole).toString(), "");

    model.commit();
    std::ofstream(missing) << "back";
    addFile("other", 1);
    model.commit();
    EXPECT_TRUE(model.isEmpty());
    EXPECT_EQ(scanModel.pileFailure(missing), nullptr);
}

TEST(PileFailureReason, AnUnknownErrorShowsTheEnginesSentenceInEitherLanguage) {
    const std::string path = "/h/caf\xC3\xA9";
    const CommitResult::Failure failure{path,
                                        "Cannot move to the Trash " + path + ": Input/output error",
                                        CommitResult::Failure::Reason::other};
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(PileCommit::failureReason(failure),
              "Non è stato possibile spostarlo: Cannot move to the Trash /h/café: Input/output "
              "error");
    ui::Texts::setLanguage(QStringLiteral("en"));
    EXPECT_EQ(PileCommit::failureReason(failure),
              "It could not be moved: Cannot move to the Trash /h/café: Input/output error");
}

TEST_F(PileListTest, ShowsANameThatIsNotUtf8AndRemovesThatVeryEntry) {
    model.setScanModel(&scanModel);
    const std::string odd = home / "caf\xE9";
    scanModel.addToPile({odd, 1, std::nullopt});
    scanModel.addToPile({home / "caf\xC3\xA9", 1, std::nullopt});
    model.remove(0);
    ASSERT_EQ(scanModel.pile().count(), 1u);
    EXPECT_EQ(scanModel.pile().entries()[0].path, home / "caf\xC3\xA9");
}

// Each pile change reaches the view as the rows that left, joined or changed;
// only an order the rows cannot follow resets them.
TEST(PileListRows, FollowAPileChangeRowByRow) {
    using Entries = std::vector<ReviewPile::Entry>;
    struct Case {
        const char* name;
        Entries before, after;
        QStringList signalsSent;
    };
    const auto entry = [](const char* path, std::int64_t bytes = 1) {
        return ReviewPile::Entry{path, bytes, std::nullopt};
    };
    const Case cases[] = {
        {"add one",
         {entry("/h/a"), entry("/h/b")},
         {entry("/h/a"), entry("/h/b"), entry("/h/c")},
         {"inserted 2-2"}},
        {"remove one",
         {entry("/h/a"), entry("/h/b"), entry("/h/c")},
         {entry("/h/a"), entry("/h/c")},
         {"removed 1-1"}},
        {"add several",
         {entry("/h/a")},
         {entry("/h/a"), entry("/h/b"), entry("/h/c"), entry("/h/d")},
         {"inserted 1-3"}},
        {"into an empty pile", {}, {entry("/h/a"), entry("/h/b")}, {"inserted 0-1"}},
        {"a folder that covers files",
         {entry("/h/d/x"), entry("/h/a"), entry("/h/d/y"), entry("/h/d/z"), entry("/h/b")},
         {entry("/h/a"), entry("/h/b"), entry("/h/d", 3)},
         {"removed 2-3", "removed 0-0", "inserted 2-2"}},
        {"removed and added at once",
         {entry("/h/a"), entry("/h/b")},
         {entry("/h/b"), entry("/h/c")},
         {"removed 0-0", "inserted 1-1"}},
        {"a new size",
         {entry("/h/a"), entry("/h/b")},
         {entry("/h/a"), entry("/h/b", 7)},
         {"changed 1-1"}},
        {"cleared", {entry("/h/a"), entry("/h/b")}, {}, {"removed 0-1"}},
        {"the same pile", {entry("/h/a")}, {entry("/h/a")}, {}},
        {"moved to the end",
         {entry("/h/a"), entry("/h/b")},
         {entry("/h/b"), entry("/h/a")},
         {"reset"}},
    };
    for (const Case& c : cases) {
        const auto pileOf = [](const Entries& entries) {
            ReviewPile pile;
            for (const ReviewPile::Entry& e : entries) {
                pile.add(e);
            }
            return pile;
        };
        PileListModel model;
        model.setPile(pileOf(c.before));
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        QStringList sent;
        const auto rows = [&](const char* what) {
            return [&sent, what](const QModelIndex&, int first, int last) {
                sent << QStringLiteral("%1 %2-%3").arg(what).arg(first).arg(last);
            };
        };
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, rows("inserted"));
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, rows("removed"));
        QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { sent << "reset"; });
        QObject::connect(
            &model, &QAbstractItemModel::dataChanged,
            [&](const QModelIndex& first, const QModelIndex& last) {
                sent << QStringLiteral("changed %1-%2").arg(first.row()).arg(last.row());
            });

        const ReviewPile after = pileOf(c.after);
        model.setPile(after);

        EXPECT_EQ(sent, c.signalsSent) << c.name;
        ASSERT_EQ(model.rowCount(), int(after.count())) << c.name;
        for (int row = 0; row < model.rowCount(); ++row) {
            const ReviewPile::Entry& e = after.entries()[std::size_t(row)];
            EXPECT_EQ(cell(model, row, PileListModel::PathRole).toString(),
                      results::displayPath(e.path))
                << c.name;
            EXPECT_EQ(cell(model, row, PileListModel::SizeTextRole).toString(),
                      results::bytesText(e.bytes))
                << c.name;
        }
        PileListModel fresh;
        fresh.setPile(after);
        EXPECT_EQ(model.summary(), fresh.summary()) << c.name;
    }
}

// A small home with files of three kinds, classified by the real classifier.
StorageBreakdown breakdownOf(const std::string& home, const std::vector<std::string>& files) {
    std::vector<FileNodePtr> children;
    std::int64_t size = 1000;
    for (const std::string& file : files) {
        children.push_back(fileNode(home + "/" + file, size));
        size *= 3;
    }
    auto root = folderNode(home, children);
    return StorageBreakdown::compute(root, FileClassifier(HomePlaces(home)), 3, 5);
}

TEST(Categories, HeadersThenKindsAndTheLargestKindUntilOneIsChosen) {
    CategoryListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(model.isEmpty());
    EXPECT_FALSE(model.detail()->hasKind());

    const auto breakdown = breakdownOf("/home/u", {"a.pdf", "b.mp4", "c.zip"});
    model.setContent(breakdown, {}, {});
    ASSERT_FALSE(model.isEmpty());
    int row = 0;
    for (const auto& category : breakdown.categories()) {
        EXPECT_TRUE(cell(model, row++, CategoryListModel::IsHeaderRole).toBool());
        for (const auto& kind : breakdown.kinds(category.category)) {
            EXPECT_EQ(cell(model, row++, CategoryListModel::KindRole).toString(),
                      QString::fromUtf8(rawValue(kind.kind)));
        }
    }
    EXPECT_EQ(row, model.rowCount());
    EXPECT_EQ(model.selectedRow(), -1);
    EXPECT_EQ(model.detail()->kind(), QString::fromUtf8(rawValue(breakdown.kinds()[0].kind)));

    model.select(0);  // a header: not selectable
    EXPECT_EQ(model.selectedRow(), -1);
    const int last = model.rowCount() - 1;
    model.select(last);
    EXPECT_EQ(model.selectedRow(), last);
    EXPECT_EQ(model.detail()->kind(), cell(model, last, CategoryListModel::KindRole).toString());
}

TEST(Categories, AKindMissingFromANewScanLeavesTheDetailEmpty) {
    CategoryListModel model;
    model.setContent(breakdownOf("/home/u", {"a.pdf", "b.mp4"}), {}, {});
    const int last = model.rowCount() - 1;
    const QString chosen = cell(model, last, CategoryListModel::KindRole).toString();
    model.select(last);

    const auto second = breakdownOf("/home/u", {"x.zip"});
    ASSERT_NE(QString::fromUtf8(rawValue(second.kinds()[0].kind)), chosen);
    model.setContent(second, {}, {});
    EXPECT_FALSE(model.detail()->hasKind());
    EXPECT_EQ(model.selectedRow(), -1);
}

TEST(Categories, DetailSharesRelatedSuggestionsAndLargestItems) {
    const auto breakdown = breakdownOf("/home/u", {"only.mp4"});
    const auto& total = breakdown.kinds()[0];
    const std::string kindTitle(title(total.kind));
    ReviewPile pile;
    pile.add({"/home/u/only.mp4", 1000, std::nullopt});
    CategoryListModel model;
    model.setContent(
        breakdown,
        {makeSuggestion("one", SafetyLevel::needsReview, itemsUnder("/o", 2), kindTitle),
         makeSuggestion("two", SafetyLevel::needsReview, itemsUnder("/t", 1), kindTitle),
         makeSuggestion("untitled", SafetyLevel::needsReview, itemsUnder("/u", 9)),
         makeSuggestion("other", SafetyLevel::needsReview, itemsUnder("/x", 9), "Something else")},
        pile);
    KindDetailModel& detail = *model.detail();
    EXPECT_EQ(detail.shareText(), "100% of the scan");
    EXPECT_EQ(detail.relatedText(), "2 suggestions · 3 KB");
    ASSERT_EQ(detail.largest().size(), 1);
    EXPECT_TRUE(detail.largest()[0].toMap()["inPile"].toBool());
    ASSERT_EQ(detail.owners().size(), 1);
    EXPECT_DOUBLE_EQ(detail.owners()[0].toMap()["fraction"].toDouble(), 1.0);
}

TEST(Categories, TheBytesOfTheHomeFolderItselfAreOwnedByTheHomeFolder) {
    KindDetailModel detail;
    // The breakdown's owner of what lies in no folder below the home: "/".
    detail.setContent(
        StorageBreakdown::KindTotal{
            FileKind::other, 12'288, {{"Projects", 8'192}, {"/", 4'096}}, {}},
        12'288, {}, ReviewPile());
    QStringList names;
    for (const QVariant& owner : detail.owners()) {
        names.append(owner.toMap()["name"].toString());
    }
    EXPECT_EQ(names, (QStringList{"Projects", "Home folder"}));
}

TEST(Categories, TheTrashAmongTheLargestItemsIsNotOfferedForThePile) {
    testing::FixtureHome home;
    CategoryListModel model;
    model.setContent(breakdownOf(home.path(), {"notes.txt", ".local/share/Trash"}), {}, {});
    ScanModel scanModel;
    model.detail()->setScanModel(&scanModel);
    std::map<QString, bool> offered;
    for (int kind = 0; kind < model.rowCount(); ++kind) {
        model.select(kind);
        for (const QVariant& item : model.detail()->largest()) {
            offered[item.toMap()["path"].toString()] = !item.toMap()["isProtected"].toBool();
        }
        for (int item = 0; item < model.detail()->largest().size(); ++item) {
            model.detail()->addToPile(item);
        }
    }
    EXPECT_EQ(offered,
              (std::map<QString, bool>{{QString::fromStdString(home / ".local/share/Trash"), false},
                                       {QString::fromStdString(home / "notes.txt"), true}}));
    ASSERT_EQ(scanModel.pile().count(), 1u);
    EXPECT_EQ(scanModel.pile().entries()[0].path, home / "notes.txt");
}

// Selects the row of kind; its row, or -1 when the sidebar has none.
int selectKind(CategoryListModel& model, const QString& kind) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (cell(model, row, CategoryListModel::KindRole).toString() == kind) {
            model.select(row);
            return row;
        }
    }
    return -1;
}

// The size shown on the header of category.
QString categorySize(const CategoryListModel& model, const QString& category) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (cell(model, row, CategoryListModel::IsHeaderRole).toBool() &&
            cell(model, row, CategoryListModel::CategoryRole).toString() == category) {
            return cell(model, row, CategoryListModel::SizeTextRole).toString();
        }
    }
    return {};
}

// A scanned fixture home with two disk images and a text file; the larger
// image then goes to the fixture home's Trash through the pile. One sidebar
// is shown at the commit, the other is made afterwards, as when the tab is
// shown again.
TEST(Categories, WhatACommitMovedLeavesTheLargestItemsAndTheSizes) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const std::string moved = home / "Downloads/old.iso";
    const std::string kept = home / "Downloads/new.iso";
    testing::writeAgedFile(moved, 3'000'000, 1);
    testing::writeAgedFile(kept, 1'000'000, 1);
    testing::writeAgedFile(home / "Documents/notes.txt", 1'000'000, 1);
    ScanModel scan;
    ASSERT_TRUE(scan.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scan.isScanning(); }, 60'000));
    const auto bytesOf = [&](const std::string& path) {
        return scan.root()->nodeAt(path)->allocatedSize();
    };
    const std::int64_t movedBytes = bytesOf(moved);
    const std::int64_t keptBytes = bytesOf(kept);
    const std::int64_t restBytes = scan.root()->allocatedSize() - movedBytes - keptBytes;
    const QString images = QString::fromUtf8(rawValue(FileClassifier::fileKind("old.iso")));
    const QString category =
        QString::fromUtf8(rawValue(tandor::category(FileClassifier::fileKind("old.iso"))));

    CategoryListModel shown;
    shown.setScanModel(&scan);
    ASSERT_GE(selectKind(shown, images), 0);
    ASSERT_EQ(shown.detail()->largest().size(), 2);
    ASSERT_TRUE(scan.addToPile({moved, movedBytes, std::nullopt}));
    scan.commitPile();
    ASSERT_TRUE(scan.movedSinceScan().contains(moved)) << scan.lastCommitMessage().toStdString();
    EXPECT_EQ(shown.detail()->largest().size(), 1) << "the item leaves at once";

    CategoryListModel later;
    later.setScanModel(&scan);
    ASSERT_GE(selectKind(later, images), 0);
    const QString keptText = results::bytesText(keptBytes);
    for (CategoryListModel* model : {&shown, &later}) {
        const KindDetailModel& detail = *model->detail();
        ASSERT_EQ(detail.largest().size(), 1);
        EXPECT_EQ(detail.largest()[0].toMap()["path"].toString().toStdString(), kept);
        EXPECT_TRUE(QTest::qWaitFor([&] { return detail.sizeText() == keptText; }, 20'000))
            << detail.sizeText().toStdString();
        EXPECT_EQ(categorySize(*model, category), keptText);
        EXPECT_EQ(
            detail.shareText(),
            results::uiText("%lld%% of the scan",
                            {qlonglong(*results::sharePercent(keptBytes, keptBytes + restBytes))}));
    }
}

TEST(FeatureTips, ClosingOneTipIsRememberedAndLeavesTheOtherOpen) {
    const testing::FixtureHome home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(home / ".config"));
    QSettings().remove(QStringLiteral("tips"));
    {
        FeatureTip pile;
        EXPECT_FALSE(pile.dismissed());
        EXPECT_FALSE(pile.title().isEmpty());
        pile.close();
        EXPECT_TRUE(pile.dismissed());
    }
    FeatureTip again;
    EXPECT_TRUE(again.dismissed());
    FeatureTip keys;
    keys.setTip(FeatureTip::Tip::SwipeKeys);
    EXPECT_FALSE(keys.dismissed());
    EXPECT_TRUE(keys.message().contains(QChar(0x232B)));
    QSettings().remove(QStringLiteral("tips"));
}

}  // namespace
}  // namespace tandor
