#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Sorting/SortingFolderText.hpp"
#include "Sorting/SortingTutorialFrame.hpp"
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
        {inAWeek, due - 1s, "to the pile in 1 day"},
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

TEST(SortingTutorialFrameTest, DemonstrationsFollowTheClock) {
    struct Case {
        double time;
        double phase;
        double eased;
        double cardOffset;
        int activeFate;
        double barWidth;
    };
    // 1.2 s is the still frame of reduced motion: the card part-way up, the
    // first fate lit with its bar nearly grown.
    const std::vector<Case> cases{
        {1.2, 0.5455, 0.8075, -44.83, 0, 45.71},
        {0.0, 0.0, 0.0, 44.0, 0, 20.0},
        {2.1, 0.9545, 1.0, -66.0, 1, 35.0},
        {4.5, 0.0455, 0.0, 44.0, 0, 26.43},
    };
    SortingTutorialFrame frame;
    for (const auto& [time, phase, eased, cardOffset, activeFate, barWidth] : cases) {
        frame.setTime(time);
        EXPECT_NEAR(frame.phase(), phase, 0.001) << time;
        EXPECT_NEAR(frame.eased(), eased, 0.001) << time;
        EXPECT_NEAR(frame.cardOffset(), cardOffset, 0.01) << time;
        EXPECT_EQ(frame.activeFate(), activeFate) << time;
        EXPECT_NEAR(frame.barWidth(), barWidth, 0.01) << time;
    }
}

}  // namespace
}  // namespace tandor
