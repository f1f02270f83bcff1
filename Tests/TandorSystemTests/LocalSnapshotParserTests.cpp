// The snapshot list parser on text fixtures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TandorSystem/LocalSnapshotParser.hpp"
#include "TestSupport/TimeZone.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::TimeZone;

// Dates in these tests are read in a fixed zone, whatever the machine's.
class LocalSnapshotParserTest : public ::testing::Test {
  protected:
    explicit LocalSnapshotParserTest(const std::string& zone = "UTC0") : zone_(zone) {}

    static Date utc(const std::string& iso) { return *parseISO8601(iso); }

  private:
    TimeZone zone_;
};

TEST_F(LocalSnapshotParserTest, KeepsTrimmedMarkerLinesInOrder) {
    EXPECT_TRUE(LocalSnapshotParser::parse("").empty());
    EXPECT_TRUE(LocalSnapshotParser::parse("Snapshots for disk /:\nnothing here\n").empty());

    const auto snapshots = LocalSnapshotParser::parse(
        "Snapshots for disk /:\n"
        "   com.apple.TimeMachine.2024-01-15-123456.local\t\n"
        "x com.apple.TimeMachine.2024-01-16-000000.local\n"
        "com.apple.TimeMachine.backup\n");
    EXPECT_THAT(snapshots,
                ElementsAre(LocalSnapshot{"com.apple.TimeMachine.2024-01-15-123456.local",
                                          utc("2024-01-15T12:34:56Z")},
                            LocalSnapshot{"com.apple.TimeMachine.backup", std::nullopt}));
}

TEST_F(LocalSnapshotParserTest, SplitsAtEveryKindOfLineBreak) {
    for (const std::string separator :
         {"\n", "\r\n", "\r", "\u2028", "\u2029", "\u0085", "\v", "\f", "\n\n", "\r\n \r\n"}) {
        const auto snapshots = LocalSnapshotParser::parse("com.apple.TimeMachine.a" + separator +
                                                          "com.apple.TimeMachine.b" + separator);
        EXPECT_THAT(snapshots, ElementsAre(LocalSnapshot{"com.apple.TimeMachine.a", std::nullopt},
                                           LocalSnapshot{"com.apple.TimeMachine.b", std::nullopt}));
    }
    EXPECT_THAT(LocalSnapshotParser::parse("\u00a0com.apple.TimeMachine.c\u3000"),
                ElementsAre(LocalSnapshot{"com.apple.TimeMachine.c", std::nullopt}))
        << "space separators are trimmed too";
}

TEST_F(LocalSnapshotParserTest, TakesTheDateFromTheFirstQualifyingPieceOnly) {
    struct Case {
        std::string name;
        std::optional<std::string> date;
    };
    const std::vector<Case> cases{
        {"com.apple.TimeMachine.2024-01-15-123456.local", "2024-01-15T12:34:56Z"},
        {"com.apple.TimeMachine.2024-02-29-235959", "2024-02-29T23:59:59Z"},
        {"com.apple.TimeMachine.backup", std::nullopt},
        {"com.apple.TimeMachine.2024-13-15-123456.local", std::nullopt},
        {"com.apple.TimeMachine.2023-02-29-120000", std::nullopt},
        {"com.apple.TimeMachine.2024-01-15-243456", std::nullopt},
        {"com.apple.TimeMachine.2024-01-15-126056", std::nullopt},
        {"com.apple.TimeMachine.2024-01-15-12345x", std::nullopt},
        {"com.apple.TimeMachine.20240-1-15-123456", std::nullopt},
        {"2024-13-01-000000.2024-01-15-123456", std::nullopt},
        {"2024-01-02-030405.2024-01-15-123456", "2024-01-02T03:04:05Z"},
        {"2024-01-15-1234-6.2024-01-16-123456", "2024-01-16T12:34:56Z"},
        {"2024-01-15x123456.2024-01-16-123456", "2024-01-16T12:34:56Z"},
        {"..2024-01-15-123456..", "2024-01-15T12:34:56Z"},
    };
    for (const auto& testCase : cases) {
        const auto expected =
            testCase.date ? std::optional<Date>(utc(*testCase.date)) : std::nullopt;
        EXPECT_EQ(LocalSnapshotParser::date(testCase.name), expected) << testCase.name;
    }
}

class LocalSnapshotParserInAnotherZone : public LocalSnapshotParserTest {
  protected:
    LocalSnapshotParserInAnotherZone() : LocalSnapshotParserTest("CET-1") {}
};

TEST_F(LocalSnapshotParserInAnotherZone, ReadsTheDateInTheCurrentZone) {
    EXPECT_EQ(LocalSnapshotParser::date("com.apple.TimeMachine.2024-01-15-123456.local"),
              utc("2024-01-15T11:34:56Z"));
}

}  // namespace
}  // namespace tandor
