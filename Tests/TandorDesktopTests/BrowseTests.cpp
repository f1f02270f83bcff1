#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "Browse/BrowseState.hpp"
#include "Browse/DiskMapGeometry.hpp"
#include "Support/FileManagerReveal.hpp"
#include "Browse/FolderListModel.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/IcicleLayout.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::fileNode;
using testing::folderNode;
using ::testing::IsEmpty;

// /h
//   Docs/          (Deep/ inside holds one file)
//   Empty/         (no children: not openable)
//   Tool.app/      (a bundle: shows its last-opened date)
//   big.bin
FileNodePtr sampleTree() {
    return folderNode(
        "/h",
        {folderNode("/h/Docs", {fileNode("/h/Docs/a.txt", 600),
                                folderNode("/h/Docs/Deep", {fileNode("/h/Docs/Deep/x", 100)})}),
         folderNode("/h/Empty", {}), folderNode("/h/Tool.app", {fileNode("/h/Tool.app/bin", 50)}),
         fileNode("/h/big.bin", 1000)});
}

IcicleCell cell(int depth, double start, double length) {
    IcicleCell made;
    made.id = "c" + std::to_string(depth) + "-" + std::to_string(start);
    made.depth = depth;
    made.start = start;
    made.length = length;
    return made;
}

// ---- Disk map geometry -------------------------------------------------------

TEST(DiskMapGeometry, RowsFollowTheDeepestCellAndRowHeightIsCapped) {
    EXPECT_EQ(diskmap::rows({}), 1);
    EXPECT_EQ(diskmap::rows({cell(0, 0, 1), cell(3, 0, 0.5), cell(1, 0, 1)}), 4);
    struct Case {
        double height;
        int rows;
        double rowHeight;
    };
    for (const auto& c : {Case{100, 4, 25}, Case{100, 2, 40}, Case{100, 0, 40}, Case{0, 3, 0}}) {
        EXPECT_DOUBLE_EQ(diskmap::rowHeight(c.height, c.rows), c.rowHeight)
            << c.height << " / " << c.rows;
    }
    EXPECT_EQ(diskmap::cellRect(cell(2, 0.25, 0.5), 400, 30), (diskmap::Rect{100, 60, 200, 30}));
}

TEST(DiskMapGeometry, ThinBarsAreSkippedAndOnlyWideTallBarsGetLabels) {
    struct Case {
        double width;
        double rowHeight;
        bool drawn;
        bool labelled;
    };
    for (const auto& c :
         {Case{1.4, 40, false, false}, Case{1.5, 40, true, false}, Case{44, 40, true, false},
          Case{44.5, 40, true, true}, Case{44.5, 16, true, true}, Case{44.5, 15.9, true, false}}) {
        const diskmap::Rect bar{0, 0, c.width, c.rowHeight};
        EXPECT_EQ(diskmap::isDrawn(bar), c.drawn) << c.width;
        EXPECT_EQ(diskmap::hasLabel(bar, c.rowHeight), c.labelled) << c.width << " " << c.rowHeight;
    }
}

TEST(DiskMapGeometry, FillFollowsBranchDepthAndKind) {
    struct Case {
        const char* what;
        int branch;
        int depth;
        bool isDirectory;
        bool smaller;
        std::size_t paletteIndex;  // ignored for gray fills
        double alpha;
    };
    const Case cases[] = {
        {"folder at depth 1", 0, 1, true, false, 0, 0.85},
        {"file at depth 1", 0, 1, false, false, 0, 0.51},
        {"folder at depth 4", 2, 4, true, false, 2, 0.49},
        {"file at depth 4", 2, 4, false, false, 2, 0.294},
        {"deeper than the floor", 3, 6, true, false, 3, 0.4},
        {"branch 9 wraps", 9, 1, true, false, 1, 0.85},
        {"focus row", -1, 0, true, false, 99, 0.35},
        {"smaller items", 4, 2, false, true, 99, 0.25},
    };
    for (const auto& c : cases) {
        IcicleCell made = cell(c.depth, 0, 1);
        made.branch = c.branch;
        made.isDirectory = c.isDirectory;
        if (c.smaller) {
            made.kind = IcicleCell::Kind::smallerItems(3);
        }
        const auto colour = diskmap::fill(made);
        EXPECT_NEAR(colour.alpha, c.alpha, 1e-9) << c.what;
        if (c.paletteIndex < 8) {
            EXPECT_EQ(colour.red, diskmap::palette()[c.paletteIndex].red) << c.what;
            EXPECT_EQ(colour.blue, diskmap::palette()[c.paletteIndex].blue) << c.what;
        } else {
            EXPECT_EQ(colour.red, colour.green) << c.what << " is gray";
        }
    }
}

TEST(DiskMapGeometry, HitTestingFindsTheCellUnderThePoint) {
    const std::vector<IcicleCell> cells{cell(0, 0, 1), cell(1, 0, 0.5), cell(1, 0.5, 0.0035),
                                        cell(1, 0.6, 0.4)};
    struct Case {
        const char* what;
        double x, y, width, rowHeight;
        std::optional<std::size_t> hit;
    };
    const Case cases[] = {
        {"top row", 10, 5, 400, 40, 0},
        {"boundary belongs to the right-hand cell", 200, 45, 400, 40, 2},
        {"a bar too thin to draw still answers", 201, 45, 400, 40, 2},
        {"empty space", 220, 45, 400, 40, std::nullopt},
        {"below the last row", 10, 85, 400, 40, std::nullopt},
        {"far below", 10, 1e300, 400, 40, std::nullopt},
        {"above the map", 10, -1, 400, 40, std::nullopt},
        {"left of the map", -1, 5, 400, 40, std::nullopt},
        {"no width", 0, 5, 0, 40, std::nullopt},
        {"no row height", 0, 5, 400, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto hit = diskmap::hitCell(cells, c.x, c.y, c.width, c.rowHeight);
        ASSERT_EQ(hit.has_value(), c.hit.has_value()) << c.what;
        if (hit) {
            EXPECT_EQ(hit->id, cells[*c.hit].id) << c.what;
        }
    }
    EXPECT_EQ(diskmap::hitCell({}, 10, 5, 400, 40), std::nullopt);
}

// ---- Navigation --------------------------------------------------------------

class BrowseStateTest : public ::testing::Test {
  protected:
    void SetUp() override { browse.setRoot(tree); }

    const IcicleCell& cellWithId(const std::string& id) {
        for (const auto& made : browse.cells()) {
            if (made.id == id) {
                return made;
            }
        }
        throw std::runtime_error("no cell " + id);
    }

    testing::FixtureHome home;
    FileNodePtr tree = sampleTree();
    BrowseState browse;
};

TEST_F(BrowseStateTest, OpeningAPathKeepsOnlyTheOpenableFoldersOnTheWay) {
    EXPECT_EQ(browse.focus(), tree);
    EXPECT_THAT(browse.crumbs(), ElementsAre("h"));

    browse.openFolder("/h/Docs/Deep/x");
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs", "/h/Docs/Deep"));
    EXPECT_EQ(browse.focus()->path(), "/h/Docs/Deep");
    EXPECT_THAT(browse.crumbs(), ElementsAre("h", "Docs", "Deep"));
    EXPECT_EQ(browse.cells().front().path, "/h/Docs/Deep");

    browse.openFolder("/h/Empty");
    EXPECT_THAT(browse.stack(), IsEmpty());

    browse.openFolder("/h/Docs/missing/deeper");
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs"));

    browse.openCrumb(0);
    EXPECT_THAT(browse.stack(), IsEmpty());
    EXPECT_EQ(browse.focus(), tree);
}

TEST_F(BrowseStateTest, TapsOnTheMapNavigateOrHighlight) {
    QSignalSpy stackChanges(&browse, &BrowseState::stackChanged);
    browse.tap(browse.cells().front());  // the root's own bar: nowhere further up
    EXPECT_EQ(stackChanges.count(), 0);

    browse.tap(cellWithId("/h/big.bin"));
    EXPECT_THAT(browse.stack(), IsEmpty());
    EXPECT_EQ(browse.hovered(), "/h/big.bin");

    IcicleCell unopenable = cellWithId("/h/Docs");  // a folder the map cannot open
    unopenable.canOpen = false;
    browse.tap(unopenable);
    EXPECT_THAT(browse.stack(), IsEmpty());
    EXPECT_EQ(browse.hovered(), "/h/Docs");

    browse.tap(cellWithId("/h/Docs/Deep"));
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs", "/h/Docs/Deep"));

    browse.tap(browse.cells().front());
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs"));

    IcicleCell smaller = cell(1, 0.9, 0.1);
    smaller.kind = IcicleCell::Kind::smallerItems(4);
    smaller.path = "/h/Docs/Deep";
    browse.tap(smaller);
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs", "/h/Docs/Deep"));
}

TEST_F(BrowseStateTest, AFolderMissingFromTheTreeShowsTheRootMapAndAMissingList) {
    browse.push("/h/Gone");
    EXPECT_EQ(browse.focus(), tree);
    EXPECT_EQ(browse.cells().front().path, "/h");
    EXPECT_TRUE(browse.folder()->folderMissing());
    EXPECT_EQ(browse.folder()->rowCount(), 0);
    browse.goBack();
    EXPECT_FALSE(browse.folder()->folderMissing());
    EXPECT_EQ(browse.folder()->rowCount(), 4);
}

TEST_F(BrowseStateTest, HoverIsSharedAndLeavingARowKeepsTheNewerOne) {
    browse.hoverFromMap(cellWithId("/h/Docs"));
    EXPECT_TRUE(browse.hoveredFromMap());
    EXPECT_EQ(browse.hovered(), "/h/Docs");
    EXPECT_EQ(browse.hoveredDetails(), QString::fromUtf8("Docs \u00B7 700 bytes \u00B7 40%"));

    browse.hoverFromList("/h/big.bin");
    EXPECT_FALSE(browse.hoveredFromMap());
    browse.hoverFromList("/h/Empty");
    browse.leaveFromList("/h/big.bin");
    EXPECT_EQ(browse.hovered(), "/h/Empty");
    browse.leaveFromList("/h/Empty");
    EXPECT_EQ(browse.hovered(), std::nullopt);
    EXPECT_TRUE(browse.hoveredDetails().isEmpty());
}

TEST_F(BrowseStateTest, ANewTreeStartsFromItsTop) {
    browse.openFolder("/h/Docs");
    browse.hoverFromList("/h/Docs/a.txt");
    const auto other = sampleTree();
    browse.setRoot(other);
    EXPECT_THAT(browse.stack(), IsEmpty());
    EXPECT_EQ(browse.hovered(), std::nullopt);
    EXPECT_EQ(browse.focus(), other);

    browse.setRoot(nullptr);
    EXPECT_FALSE(browse.hasTree());
    EXPECT_THAT(browse.cells(), IsEmpty());
    EXPECT_EQ(browse.folder()->rowCount(), 0);
    EXPECT_FALSE(browse.folder()->folderMissing());
}

TEST(BrowseDetails, ShareAndNameOfTheHoveredCell) {
    struct Case {
        std::int64_t bytes;
        std::int64_t focus;
        const char* share;
    };
    for (const auto& c : {Case{50, 0, "<1%"}, Case{5, 1000, "<1%"}, Case{10, 1000, "1%"},
                          Case{15, 1000, "2%"}, Case{25, 1000, "3%"}, Case{1000, 1000, "100%"}}) {
        EXPECT_EQ(BrowseState::shareText(c.bytes, c.focus), QString::fromUtf8(c.share))
            << c.bytes << " of " << c.focus;
    }
    IcicleCell smaller;
    smaller.name = "Smaller items";
    smaller.bytes = 15;
    smaller.kind = IcicleCell::Kind::smallerItems(0);
    EXPECT_EQ(BrowseState::details(smaller, 1000),
              QString::fromUtf8("Smaller items \u00B7 15 bytes \u00B7 2%"));
    smaller.kind = IcicleCell::Kind::smallerItems(3);
    EXPECT_EQ(BrowseState::details(smaller, 1000),
              QString::fromUtf8("3 smaller items \u00B7 15 bytes \u00B7 2%"));
}

// ---- Folder list -------------------------------------------------------------

class StaticReader final : public LastUsedReader {
  public:
    explicit StaticReader(std::string path, Date date) : path_(std::move(path)), date_(date) {}
    std::optional<Date> lastUsedDate(const std::string& path) const override {
        return path == path_ ? std::optional<Date>(date_) : std::nullopt;
    }

  private:
    std::string path_;
    Date date_;
};

QVariant roleOf(const FolderListModel& model, int row, FolderListModel::Role role) {
    return model.data(model.index(row), role);
}

TEST_F(BrowseStateTest, TheListShowsEveryChildLargestFirstWithItsShare) {
    FolderListModel& list = *browse.folder();
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(list.rowCount(), 4);
    struct Row {
        const char* name;
        double share;
        bool canOpen;
        bool showsLastOpened;
    };
    const Row rows[] = {{"big.bin", 1.0, false, true},
                        {"Docs", 0.7, true, false},
                        {"Tool.app", 0.05, true, true},
                        {"Empty", 0.0, false, false}};
    for (int row = 0; row < 4; ++row) {
        const auto& want = rows[row];
        EXPECT_EQ(roleOf(list, row, FolderListModel::NameRole).toString(), want.name);
        EXPECT_DOUBLE_EQ(roleOf(list, row, FolderListModel::ShareRole).toDouble(), want.share)
            << want.name;
        EXPECT_EQ(roleOf(list, row, FolderListModel::CanOpenRole).toBool(), want.canOpen)
            << want.name;
        EXPECT_EQ(roleOf(list, row, FolderListModel::ShowsLastOpenedRole).toBool(),
                  want.showsLastOpened)
            << want.name;
    }
    EXPECT_EQ(list.title(), "h");
    EXPECT_EQ(list.subtitle(), QString::fromUtf8("1.8 KB \u00B7 4 files"));

    list.open(0);  // a file: not a folder to open
    list.open(3);  // an empty folder
    EXPECT_THAT(browse.stack(), IsEmpty());
    list.open(1);
    EXPECT_THAT(browse.stack(), ElementsAre("/h/Docs"));
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.title(), "Docs");
}

TEST(FolderList, ChildrenOfZeroBytesAllHaveShareZero) {
    BrowseState browse;
    browse.setRoot(folderNode("/z", {fileNode("/z/a", 0), fileNode("/z/b", 0)}));
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(roleOf(*browse.folder(), row, FolderListModel::ShareRole).toDouble(), 0.0);
    }
    browse.setRoot(folderNode("/e", {}));
    EXPECT_EQ(browse.folder()->rowCount(), 0);
    EXPECT_EQ(browse.folder()->subtitle(), QString::fromUtf8("0 bytes \u00B7 0 files"));
}

TEST_F(BrowseStateTest, OnlyAHoverFromTheMapScrollsTheList) {
    FolderListModel& list = *browse.folder();
    QSignalSpy scrolls(&list, &FolderListModel::scrollToRow);
    list.hoverEnter(1);
    EXPECT_TRUE(roleOf(list, 1, FolderListModel::HoveredRole).toBool());
    EXPECT_EQ(scrolls.count(), 0);

    browse.hoverFromMap(cellWithId("/h/Tool.app"));
    EXPECT_FALSE(roleOf(list, 1, FolderListModel::HoveredRole).toBool());
    EXPECT_TRUE(roleOf(list, 2, FolderListModel::HoveredRole).toBool());
    ASSERT_EQ(scrolls.count(), 1);
    EXPECT_EQ(scrolls.front().front().toInt(), 2);

    browse.hoverFromMap(cellWithId("/h/Docs/a.txt"));  // not a row of this folder
    EXPECT_EQ(scrolls.count(), 1);
}

TEST_F(BrowseStateTest, LastOpenedDatesArriveForFilesAndBundles) {
    using namespace std::chrono;
    const Date now = sys_days(year(2026) / 3 / 10) + hours(12);
    FolderListModel& list = *browse.folder();
    QSignalSpy loaded(&list, &FolderListModel::lastOpenedLoaded);
    list.setLastUsedSource(
        [now](const FileNodePtr&) {
            return std::make_shared<StaticReader>("/h/Tool.app", now - hours(24 * 3));
        },
        [now] { return now; });
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_EQ(roleOf(list, 2, FolderListModel::LastOpenedRole).toString(),
              "Last opened 3 days ago");
    EXPECT_TRUE(roleOf(list, 0, FolderListModel::LastOpenedRole).toString().isEmpty());
}

TEST_F(BrowseStateTest, AddingToThePileUsesTheExactPath) {
    ScanModel model;
    browse.setScanModel(&model);
    browse.setRoot(tree);
    FolderListModel& list = *browse.folder();
    ASSERT_TRUE(list.addToPile(1));
    EXPECT_EQ(model.pile().entries().front(), (ReviewPile::Entry{"/h/Docs", 700, std::nullopt}));
    EXPECT_TRUE(roleOf(list, 1, FolderListModel::InPileRole).toBool());
    EXPECT_FALSE(list.addToPile(1));

    list.open(1);
    // Inside a folder on the pile: refused, and the menu still offers it.
    EXPECT_FALSE(list.addToPile(0));
    EXPECT_FALSE(roleOf(list, 0, FolderListModel::InPileRole).toBool());
    EXPECT_EQ(model.pileCount(), 1);
}

TEST_F(BrowseStateTest, AFolderHoldingTheTrashIsNotOfferedForThePile) {
    ScanModel model;
    browse.setScanModel(&model);
    browse.setRoot(folderNode(
        home.path(),
        {folderNode(home / ".local", {folderNode(home / ".local/share",
                                                 {fileNode(home / ".local/share/Trash", 900)})}),
         fileNode(home / "notes.txt", 100)}));
    FolderListModel& list = *browse.folder();
    EXPECT_TRUE(roleOf(list, 0, FolderListModel::IsProtectedRole).toBool());
    EXPECT_FALSE(roleOf(list, 1, FolderListModel::IsProtectedRole).toBool());
    EXPECT_FALSE(list.addToPile(0));
    EXPECT_TRUE(list.addToPile(1));
    EXPECT_EQ(model.pileCount(), 1);
}

// ---- After a commit -----------------------------------------------------------

std::vector<QString> rowNames(const FolderListModel& list) {
    std::vector<QString> names;
    for (int row = 0; row < list.rowCount(); ++row) {
        names.push_back(roleOf(list, row, FolderListModel::NameRole).toString());
    }
    return names;
}

// A scanned fixture home whose Downloads holds keep.bin and the folder Old;
// Old then goes to the fixture home's Trash through the pile. The browser
// shown at the commit has Old open and one of its files highlighted; the
// other is made afterwards, as when the tab is shown again.
TEST(BrowseAfterACommit, TheMovedItemLeavesTheListTheMapAndTheSizes) {
    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const std::string downloads = home / "Downloads";
    const std::string old = downloads + "/Old";
    testing::writeAgedFile(downloads + "/keep.bin", 1'000'000, 1);
    testing::writeAgedFile(old + "/image.iso", 3'000'000, 1);
    ScanModel scan;
    ASSERT_TRUE(scan.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scan.isScanning(); }, 60'000));
    const std::int64_t homeBytes = scan.root()->allocatedSize();
    const std::int64_t oldBytes = scan.root()->nodeAt(old)->allocatedSize();
    const std::int64_t keptBytes = scan.root()->nodeAt(downloads + "/keep.bin")->allocatedSize();

    BrowseState shown;
    shown.setScanModel(&scan);
    shown.openFolder(old + "/image.iso");
    shown.hoverFromList(old + "/image.iso");
    ASSERT_THAT(shown.stack(), ElementsAre(downloads, old));
    ASSERT_TRUE(scan.addToPile({old, oldBytes, std::nullopt}));
    scan.commitPile();
    ASSERT_TRUE(scan.movedSinceScan().contains(old)) << scan.lastCommitMessage().toStdString();

    BrowseState later;
    later.setScanModel(&scan);
    later.openFolder(downloads);
    for (BrowseState* browse : {&shown, &later}) {
        EXPECT_THAT(browse->stack(), ElementsAre(downloads));
        const FolderListModel& list = *browse->folder();
        EXPECT_THAT(rowNames(list), ElementsAre("keep.bin"));
        EXPECT_EQ(list.subtitle().toStdString(), ByteFormat::string(keptBytes) + " \u00B7 1 file");
        for (const auto& cell : browse->cells()) {
            EXPECT_FALSE(cell.path.starts_with(old)) << cell.path;
        }
        EXPECT_EQ(browse->cells().front().bytes, keptBytes);
        EXPECT_EQ(browse->root()->allocatedSize(), homeBytes - oldBytes);
    }
    EXPECT_EQ(shown.hovered(), std::nullopt);
    shown.goBack();
    const FolderListModel& top = *shown.folder();
    const auto names = rowNames(top);
    const auto downloadsRow = std::find(names.begin(), names.end(), "Downloads");
    ASSERT_NE(downloadsRow, names.end());
    EXPECT_EQ(
        roleOf(top, static_cast<int>(downloadsRow - names.begin()), FolderListModel::SizeTextRole)
            .toString()
            .toStdString(),
        ByteFormat::string(keptBytes));
    EXPECT_NE(scan.root()->nodeAt(old), nullptr) << "the scanned tree stays as it was";
}

// ---- File manager ------------------------------------------------------------

TEST(FileManagerReveal, UrisKeepTheBytesAndParentsAreFolders) {
    EXPECT_EQ(FileManagerReveal::fileUri("/h/a b/caf\xC3\xA9"), "file:///h/a%20b/caf%C3%A9");
    EXPECT_EQ(FileManagerReveal::fileUri("/h/\xFF%#?"), "file:///h/%FF%25%23%3F");
    struct Case {
        const char* path;
        const char* parent;
    };
    for (const auto& c : {Case{"/h/Docs/a.txt", "/h/Docs"}, Case{"/h", "/"}, Case{"/", "/"}}) {
        EXPECT_EQ(FileManagerReveal::parentFolder(c.path), c.parent) << c.path;
    }
}

}  // namespace
}  // namespace tandor
