#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Duplicates/DuplicatePile.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;

const QString keeperRefusal =
    QStringLiteral("That is the copy Tandor keeps. Choose another copy to keep first.");

DuplicateFile copy(const std::string& path, std::optional<std::int64_t> privateSize = {}) {
    DuplicateFile file{path, 4'000'000, std::nullopt, std::nullopt};
    if (privateSize) {
        file.clone = CloneInfo{1, *privateSize};
    }
    return file;
}

// Copies of one content, the first one kept.
DuplicateGroup group(const std::vector<DuplicateFile>& files) {
    return DuplicateGroup::restored("g", 4'000'000, files, files.front().path,
                                    "Keeps the oldest copy");
}

SimilarPhoto photo(const std::string& path) {
    return {path, 300'000, Date{}, 100, 100, std::nullopt};
}

class DuplicatePileTest : public ::testing::Test {
  protected:
    DuplicatePileTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    std::vector<std::string> pilePaths() const {
        std::vector<std::string> paths;
        for (const auto& entry : scan.pile().entries()) {
            paths.push_back(entry.path);
        }
        return paths;
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    ScanModel scan;
    const DuplicateGroup three =
        group({copy("/h/Documents/report.pdf"), copy("/h/Downloads/report.pdf"),
               copy("/h/Downloads/report copy.pdf")});
};

// A copy is refused when it is kept, or when every other copy would then be
// leaving: by its own entry or inside a folder on the pile.
TEST_F(DuplicatePileTest, OneCopyAlwaysStays) {
    const QString lastCopy =
        QStringLiteral("That would move every copy of report copy.pdf. One copy always stays.");
    struct Case {
        const char* name;
        std::vector<std::string> onPile;
        std::size_t copy;
        std::optional<QString> refusal;
    };
    const std::vector<Case> cases = {
        {"the kept copy", {}, 0, keeperRefusal},
        {"an extra copy", {}, 2, std::nullopt},
        {"the last one", {"/h/Documents/report.pdf", "/h/Downloads/report.pdf"}, 2, lastCopy},
        {"the last one, the others inside folders",
         {"/h/Documents", "/h/Downloads/report.pdf"},
         2,
         lastCopy},
        {"the last one, the whole home on the pile", {"/h"}, 2, lastCopy},
        {"one other stays", {"/h/Documents"}, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        scan.changePile([&](ReviewPile& pile) {
            pile.clear();
            for (const auto& path : c.onPile) {
                pile.add({path, 1, std::nullopt});
            }
        });
        EXPECT_EQ(DuplicatePile::add(three.files()[c.copy], three, scan), c.refusal) << c.name;
    }
}

TEST_F(DuplicatePileTest, ThePhotoGuardsCountFoldersToo) {
    const SimilarPhotoGroup burst({photo("/h/Pictures/a.jpg"), photo("/h/Pictures/b.jpg")});
    const SimilarPhoto& best = burst.best();
    const SimilarPhoto other = burst.others().front();
    EXPECT_EQ(DuplicatePile::add(best, burst, scan),
              "That is the shot Tandor keeps. Right-click another photo to keep it instead.");
    scan.addToPile({"/h/Pictures", 1, std::nullopt});
    EXPECT_EQ(DuplicatePile::add(other, burst, scan),
              "That would move every photo of the group. One always stays.");
    scan.removeFromPile("/h/Pictures");
    EXPECT_EQ(DuplicatePile::add(other, burst, scan), std::nullopt);
    EXPECT_EQ(scan.pile().entries().back(),
              (ReviewPile::Entry{other.path, 300'000, std::string("similar-photos")}));
}

TEST_F(DuplicatePileTest, BulkAdditionsStopBeforeTheLastCopyAndAddNothingTwice) {
    scan.addToPile({"/h/Documents", 1, std::nullopt});
    EXPECT_EQ(DuplicatePile::addExtraCopies({three}, scan), std::nullopt);
    EXPECT_THAT(pilePaths(), ElementsAre("/h/Documents", "/h/Downloads/report.pdf"));
    EXPECT_EQ(
        DuplicatePile::addExtraCopies({three}, scan),
        QStringLiteral("That would move every copy of report copy.pdf. One copy always stays."));

    scan.removeFromPile("/h/Documents");
    DuplicatePile::addExtraCopies({three, three}, scan);
    const auto once = pilePaths();
    EXPECT_THAT(once, ElementsAre("/h/Downloads/report.pdf", "/h/Downloads/report copy.pdf"));
    DuplicatePile::addExtraCopies({three}, scan);
    EXPECT_EQ(pilePaths(), once);

    const SimilarPhotoGroup burst({photo("/h/P/1.jpg"), photo("/h/P/2.jpg"), photo("/h/P/3.jpg")});
    DuplicatePile::addOthers({burst}, scan);
    DuplicatePile::addOthers({burst}, scan);
    EXPECT_EQ(scan.pile().count(), 4u);
}

TEST_F(DuplicatePileTest, ACloneGoesWithTheBytesItDoesNotShare) {
    struct Case {
        std::optional<std::int64_t> privateSize;
        std::int64_t bytes;
    };
    for (const auto& c : std::vector<Case>{
             {std::nullopt, 4'000'000}, {1'000, 1'000}, {9'000'000, 4'000'000}, {-5, 0}}) {
        scan.changePile([](ReviewPile& pile) { pile.clear(); });
        const auto clones = group({copy("/h/a"), copy("/h/b", c.privateSize)});
        ASSERT_EQ(DuplicatePile::add(clones.files()[1], clones, scan), std::nullopt);
        EXPECT_EQ(scan.pile().entries().front(),
                  (ReviewPile::Entry{"/h/b", c.bytes, std::string("duplicates")}));
    }
}

// The pile itself refuses a copy inside one of its folders: no entry, no
// message.
TEST_F(DuplicatePileTest, ACopyInsideAFolderOnThePileAddsNothingSilently) {
    scan.addToPile({"/h/Downloads", 1, std::nullopt});
    EXPECT_EQ(DuplicatePile::add(three.files()[1], three, scan), std::nullopt);
    EXPECT_THAT(pilePaths(), ElementsAre("/h/Downloads"));
}

// A copy a commit already moved is gone, not staying: with the kept copy in
// the Trash, the last copy left in place is refused.
TEST_F(DuplicatePileTest, ACopyACommitMovedCountsAsGone) {
    for (const char* name :
         {"Documents/report.pdf", "Downloads/report.pdf", "Desktop/report.pdf"}) {
        testing::writeFile(home / name, "same");
    }
    const auto copies =
        group({copy(home / "Documents/report.pdf"), copy(home / "Downloads/report.pdf"),
               copy(home / "Desktop/report.pdf")});
    scan.addToPile({copies.files()[0].path, 4, std::nullopt});
    scan.commitPile();
    ASSERT_TRUE(scan.movedSinceScan(copies.files()[0].path));

    EXPECT_EQ(DuplicatePile::add(copies.files()[1], copies, scan), std::nullopt);
    EXPECT_EQ(DuplicatePile::add(copies.files()[2], copies, scan),
              QStringLiteral("That would move every copy of report.pdf. One copy always stays."));
}

// A copy that a folder on the pile holds would leave with the folder whatever
// the group keeps, so it cannot be the kept one; its own entry can simply be
// taken off.
TEST_F(DuplicatePileTest, KeepingACopyInsideAFolderOnThePileIsRefused) {
    scan.addToPile({"/h/Downloads", 1, std::nullopt});
    scan.addToPile({"/h/Documents/report.pdf", 1, std::nullopt});
    EXPECT_EQ(DuplicatePile::keepRefusal("/h/Downloads/report.pdf", scan),
              QStringLiteral("That copy is inside /h/Downloads, which is on the pile, so it would "
                             "leave with it. Take that folder off the pile first."));
    EXPECT_EQ(DuplicatePile::keepRefusal("/h/Documents/report.pdf", scan), std::nullopt);
    EXPECT_EQ(DuplicatePile::keepRefusal("/h/Desktop/report.pdf", scan), std::nullopt);
}

}  // namespace
}  // namespace tandor
