#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ReviewTestSupport.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::FixtureHome;
using testing::isThere;
using testing::writeFile;

const Date start{std::chrono::seconds{1'750'000'000}};

HistoryRecord recordAt(int seconds, const std::string& name, std::int64_t bytes = 1) {
    return HistoryRecord("/home/u/" + name, "/trash/" + name, bytes, std::nullopt,
                         start + std::chrono::seconds{seconds});
}

std::vector<std::vector<std::string>> namesBySession(const std::vector<HistorySession>& sessions) {
    std::vector<std::vector<std::string>> names;
    for (const auto& session : sessions) {
        names.emplace_back();
        for (const auto& record : session.records) {
            names.back().push_back(record.originalPath.substr(8));
        }
    }
    return names;
}

struct GroupingCase {
    std::vector<std::pair<int, std::string>> records;
    double gap;
    std::vector<std::vector<std::string>> sessions;
};

class HistorySessionGrouping : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(HistorySessionGrouping, ChainsNeighboursWithinTheGapNewestFirst) {
    std::vector<HistoryRecord> records;
    for (const auto& [seconds, name] : GetParam().records) {
        records.push_back(recordAt(seconds, name));
    }
    EXPECT_EQ(namesBySession(CleanupHistory::sessions(records, GetParam().gap)),
              GetParam().sessions);
}

INSTANTIATE_TEST_SUITE_P(
    Gaps, HistorySessionGrouping,
    ::testing::Values(
        GroupingCase{{}, 60, {}},
        GroupingCase{{{0, "a"}, {50, "b"}, {100, "c"}, {200, "d"}}, 60, {{"d"}, {"a", "b", "c"}}},
        GroupingCase{{{0, "a"}, {60, "b"}}, 60, {{"a", "b"}}},
        GroupingCase{{{0, "a"}, {61, "b"}}, 60, {{"b"}, {"a"}}},
        GroupingCase{{{200, "d"}, {0, "a"}, {5, "x"}, {5, "y"}}, 60, {{"d"}, {"a", "x", "y"}}},
        GroupingCase{{{5, "y"}, {5, "x"}}, 60, {{"y", "x"}}},
        GroupingCase{
            {{0, "a"}, {0, "b"}}, std::numeric_limits<double>::quiet_NaN(), {{"b"}, {"a"}}}));

TEST(HistorySession, RestoresChangeMovedBytesButNotTheTotal) {
    auto a = recordAt(0, "a", 10);
    auto b = recordAt(1, "b", 20);
    a.restored = true;
    const auto session = CleanupHistory::sessions({a, b}, 60).front();
    EXPECT_EQ(session.id(), a.id);
    EXPECT_EQ(session.date(), a.date);
    EXPECT_EQ(session.movedBytes(), 20);
    EXPECT_EQ(session.restoredCount(), 1u);
    EXPECT_EQ(session.totalBytes(), 30);
}

struct StatusCase {
    bool restored;
    bool inTrash;
    bool placeTaken;
    RestoreStatus expected;
};

TEST(CleanupHistory, StatusFollowsTheOrderOfRestoresChecks) {
    for (const auto& c : {StatusCase{false, true, false, RestoreStatus::restorable},
                          StatusCase{true, true, true, RestoreStatus::restored},
                          StatusCase{false, false, false, RestoreStatus::missingFromTrash},
                          StatusCase{false, false, true, RestoreStatus::missingFromTrash},
                          StatusCase{false, true, true, RestoreStatus::originalPathTaken}}) {
        const FixtureHome home;
        HistoryRecord record(home / "a", home / "trash/a", 1, std::nullopt, start);
        record.restored = c.restored;
        if (c.inTrash) {
            writeFile(record.trashedPath, "x");
        }
        if (c.placeTaken) {
            writeFile(record.originalPath, "y");
        }
        EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).status(record), c.expected);
    }
}

TEST(CleanupHistory, RestoreAllGoesOnPastFailuresAndSkipsRepeats) {
    const FixtureHome home;
    CleanupHistory history(CleanupHistory::defaultURL());
    HistoryRecord back(home / "back", home / "trash/back", 5, std::nullopt, start);
    HistoryRecord gone(home / "gone", home / "trash/gone", 7, std::nullopt, start);
    HistoryRecord taken(home / "taken", home / "trash/taken", 9, std::nullopt, start);
    HistoryRecord alsoBack(home / "dir/also", home / "trash/also", 11, std::nullopt, start);
    writeFile(back.trashedPath, "1");
    writeFile(taken.trashedPath, "2");
    writeFile(taken.originalPath, "new");
    writeFile(alsoBack.trashedPath, "3");
    history.append({back, gone, taken, alsoBack});

    const auto result =
        history.restoreAll({back.id, gone.id, UUID::random(), taken.id, back.id, alsoBack.id});

    EXPECT_EQ(result.restored, (std::vector<HistoryRecord>{back, alsoBack}));
    EXPECT_EQ(result.restoredBytes(), 16);
    ASSERT_EQ(result.failed.size(), 2u);
    EXPECT_EQ(result.failed[0].record, gone);
    EXPECT_EQ(result.failed[0].error,
              "Cannot restore: the item is no longer in the Trash (" + gone.trashedPath + ").");
    EXPECT_EQ(result.failed[1].error,
              "Cannot restore: something already exists at " + taken.originalPath + ".");
    EXPECT_TRUE(isThere(back.originalPath));
    EXPECT_TRUE(isThere(alsoBack.originalPath));
    EXPECT_TRUE(history.restoreAll({}).restored.empty());
}

}  // namespace
}  // namespace tandor
