#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Sorting/SortingFolderText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;

const Date created{std::chrono::seconds{1'750'000'000}};

SortingFolder folderWith(SortingFate fate, bool isTemporary) {
    return {UUID::random(), "Inbox",         "/home/ann/Tandor/Inbox",
            isTemporary,    std::move(fate), created};
}

class SortingFolderTextTest : public ::testing::Test {
  protected:
    SortingFolderTextTest() { ui::Texts::setLanguage(QStringLiteral("en")); }
};

TEST_F(SortingFolderTextTest, FateSaysWhereTheFilesGoNext) {
    struct Case {
        SortingFolder folder;
        Date now;
        QString expected;
    };
    const SortingFolder inAWeek = folderWith(SortingFate::pileAfter(7), true);
    const Date due = *inAWeek.dueDate();
    const std::vector<Case> cases{
        {inAWeek, due - 84h, "to the pile in 4 days"},
        {inAWeek, due - 1s, "to the pile in 1 days"},
        {inAWeek, due, "ready for the pile"},
        {inAWeek, due + 48h, "ready for the pile"},
        {folderWith(SortingFate::moveTo("/Volumes/Backup/Archive"), true), created,
         "then to Archive"},
        {folderWith(SortingFate::keep(), true), created, "stays a folder"},
        {folderWith(SortingFate::keep(), false), created, "your folder"},
    };
    for (const auto& [folder, now, expected] : cases) {
        EXPECT_EQ(SortingFolderText::fate(folder, now), expected);
    }
}

TEST_F(SortingFolderTextTest, OnlyAKeptFolderCanBeFinishedEmpty) {
    struct Case {
        SortingFate fate;
        int count;
        SortingFolderText::FinishButton expected;
    };
    const std::vector<Case> cases{
        {SortingFate::pileAfter(7), 3, {"Add to Pile", true}},
        {SortingFate::pileAfter(7), 0, {"Add to Pile", false}},
        {SortingFate::moveTo("/mnt/archive"), 1, {"Move On Now", true}},
        {SortingFate::moveTo("/mnt/archive"), 0, {"Move On Now", false}},
        {SortingFate::keep(), 0, {"Done", true}},
    };
    for (const auto& [fate, count, expected] : cases) {
        EXPECT_EQ(SortingFolderText::finishButton(folderWith(fate, true), count), expected);
    }
}

TEST_F(SortingFolderTextTest, NewFolderNamesLoseOnlyBlanksAndTabsAtTheEnds) {
    const std::vector<std::pair<QString, QString>> cases{
        {"", "To check"},
        {" \t  ", "To check"},
        {"  Tax  papers\t", "Tax  papers"},
        {"\nNotes\n", "\nNotes\n"},
        {"\u00a0Photos", "\u00a0Photos"},
    };
    for (const auto& [typed, expected] : cases) {
        EXPECT_EQ(SortingFolderText::newFolderName(typed), expected) << typed.toStdString();
    }
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(SortingFolderText::newFolderName(" "), "Da controllare");
    ui::Texts::setLanguage(QStringLiteral("en"));
}

}  // namespace
}  // namespace tandor
