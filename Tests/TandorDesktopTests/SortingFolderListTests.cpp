#include <gtest/gtest.h>

#include <QUrl>
#include <filesystem>
#include <optional>
#include <string>

#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Sorting/SortingFolderList.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

// The sorting folders of a scan model on a fixture home; the folder chooser
// answers with `answer`.
class SortingFolderListTest : public ::testing::Test {
  protected:
    SortingFolderListTest() {
        ui::Texts::setLanguage(QStringLiteral("en"));
        list.setScanModel(&model);
        auto* chooser = qobject_cast<DialogFolderChooser*>(sorting().folderChooserObject());
        QObject::connect(chooser, &DialogFolderChooser::requested, chooser, [this, chooser] {
            chooser->accept(QUrl::fromLocalFile(QString::fromStdString(answer)));
        });
    }

    SortingModel& sorting() { return *model.swipe()->sorting(); }

    std::string folder(const std::string& name) {
        std::filesystem::create_directories(home / name);
        return home / name;
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    ScanModel model;
    SortingFolderList list;
    std::string answer;
};

TEST_F(SortingFolderListTest, TheSheetKeepsItsTargetWhenTheNextOneIsRefused) {
    answer = folder("Archive");
    list.chooseSheetTarget(QStringLiteral("Inbox"));
    EXPECT_EQ(list.sheetTarget(), "~/Archive");

    answer = home / "note.txt";
    testing::writeFile(answer, "a file, not a folder");
    list.chooseSheetTarget(QStringLiteral("Inbox"));
    EXPECT_EQ(list.sheetTarget(), "~/Archive");
    EXPECT_FALSE(sorting().message().isEmpty());

    ASSERT_TRUE(list.create(QStringLiteral("  Inbox "), QStringLiteral("moveTo"), 30));
    ASSERT_EQ(sorting().folders().size(), 1u);
    EXPECT_EQ(sorting().folders()[0].name, "Inbox");
    EXPECT_EQ(sorting().folders()[0].fate, SortingFate::moveTo(home / "Archive"));
}

TEST_F(SortingFolderListTest, ARefusedMoveOnTargetChangesNoFate) {
    ASSERT_TRUE(list.create(QStringLiteral("Inbox"), QStringLiteral("pile"), 7));
    const SortingFolder inbox = sorting().folders()[0];

    answer = inbox.path + "/inside";
    std::filesystem::create_directories(answer);
    list.chooseMoveOnTarget(0);
    EXPECT_EQ(sorting().folders()[0].fate, SortingFate::pileAfter(7));
    EXPECT_FALSE(sorting().message().isEmpty());

    answer = folder("Archive");
    list.chooseMoveOnTarget(0);
    EXPECT_EQ(sorting().folders()[0].fate, SortingFate::moveTo(home / "Archive"));
}

TEST_F(SortingFolderListTest, MovingOnNeedsAChosenTarget) {
    EXPECT_FALSE(list.create(QStringLiteral("Inbox"), QStringLiteral("moveTo"), 30));
    EXPECT_TRUE(sorting().folders().empty());
}

}  // namespace
}  // namespace tandor
