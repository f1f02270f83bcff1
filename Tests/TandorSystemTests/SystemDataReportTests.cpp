// The report values: derived totals and their JSON form.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorSystem/FolderMeasurement.hpp"
#include "TandorSystem/LocalSnapshot.hpp"
#include "TandorSystem/SystemDataReport.hpp"

namespace tandor {
namespace {

using Kind = SystemDataItem::Kind;
using Measurement = SystemDataItem::Measurement;

SystemDataItem item(Kind kind, Measurement measurement) {
    SystemDataItem result;
    result.kind = kind;
    result.title = std::string(rawValue(kind));
    result.measurement = measurement;
    return result;
}

TEST(SystemDataReport, TotalLeavesOutPurgeableAndCountsPartialBytes) {
    struct Case {
        std::vector<SystemDataItem> items;
        std::int64_t total;
        bool unreadable;
    };
    const std::vector<Case> cases{
        {{}, 0, false},
        {{item(Kind::purgeable, Measurement::measured(9'000)),
          item(Kind::snapshots, Measurement::notMeasurable())},
         0,
         false},
        {{item(Kind::logs, Measurement::measured(100)),
          item(Kind::developer, Measurement::partial(50, 2))},
         150,
         true},
        {{item(Kind::swap, Measurement::partial(0, 0))}, 0, true},
    };
    for (const auto& testCase : cases) {
        const SystemDataReport report{std::nullopt, testCase.items, Date{}};
        EXPECT_EQ(report.measuredTotal(), testCase.total);
        EXPECT_EQ(report.hasUnreadableFolders(), testCase.unreadable);
    }
}

TEST(SystemDataReport, VolumeUsedAndPurgeableNeverGoBelowZero) {
    EXPECT_EQ((VolumeUsage{100, 150, std::nullopt}.used()), 0);
    EXPECT_EQ((VolumeUsage{100, 150, std::nullopt}.purgeable()), std::nullopt);
    EXPECT_EQ((VolumeUsage{100, 40, 30}.used()), 60);
    EXPECT_EQ((VolumeUsage{100, 40, 30}.purgeable()), 0);
    EXPECT_EQ((VolumeUsage{100, 40, 70}.purgeable()), 30);
    const auto extreme = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ((VolumeUsage{extreme, -1, std::nullopt}.used()), extreme);
}

TEST(SystemDataReport, MeasurementBytesAndItemIdentity) {
    EXPECT_EQ(Measurement::notMeasurable().bytes(), std::nullopt);
    EXPECT_EQ(Measurement::partial(50, 2).bytes(), 50);
    EXPECT_NE(Measurement::partial(50, 2), Measurement::partial(50, 3));
    EXPECT_NE(Measurement::partial(50, 0), Measurement::measured(50));
    EXPECT_EQ(item(Kind::deviceBackups, Measurement::measured(1)).id(), "deviceBackups");
    EXPECT_EQ(systemDataItemKindFromRawValue("virtualMachines"), Kind::virtualMachines);
    EXPECT_EQ(systemDataItemKindFromRawValue("Logs"), std::nullopt);
}

TEST(SystemDataReport, AbsentOptionalsAreLeftOutAndReadBackAbsent) {
    auto logs = item(Kind::logs, Measurement::partial(50, 2));
    logs.paths = {"/private/var/log", "/home/ann/\xff-logs"};
    auto snapshots = item(Kind::snapshots, Measurement::notMeasurable());
    snapshots.count = 3;
    snapshots.details = {"From a to b"};
    const SystemDataReport report{
        std::nullopt, {logs, snapshots}, Date{} + std::chrono::seconds(1'700'000'000)};

    const nlohmann::json encoded = report;
    EXPECT_FALSE(encoded.contains("volume"));
    EXPECT_FALSE(encoded["items"][0].contains("count"));
    EXPECT_EQ(encoded["items"][1]["measurement"], nlohmann::json::parse(R"({"notMeasurable":{}})"));
    EXPECT_EQ(encoded["items"][0]["measurement"],
              nlohmann::json::parse(R"({"partial":{"_0":50,"unreadableFolders":2}})"));
    EXPECT_EQ(encoded.get<SystemDataReport>(), report);

    const nlohmann::json volume = VolumeUsage{100, 40, std::nullopt};
    EXPECT_EQ(volume, nlohmann::json::parse(R"({"total":100,"available":40})"));
    EXPECT_EQ(volume.get<VolumeUsage>(), (VolumeUsage{100, 40, std::nullopt}));

    const LocalSnapshot undated{"com.apple.TimeMachine.backup", std::nullopt};
    EXPECT_EQ(nlohmann::json(undated).get<LocalSnapshot>(), undated);
    EXPECT_EQ(nlohmann::json(FolderMeasurement{7, 1}).get<FolderMeasurement>(),
              (FolderMeasurement{7, 1}));
}

TEST(SystemDataReport, MeasurementNeedsExactlyOneCaseKey) {
    for (const auto* text : {R"({"measured":{"_0":1},"partial":{"_0":1,"unreadableFolders":1}})",
                             R"({"other":{}})", "{}"}) {
        try {
            (void)nlohmann::json::parse(text).get<Measurement>();
            ADD_FAILURE() << text << " decoded";
        } catch (const DecodingError& error) {
            EXPECT_STREQ(error.what(), "Invalid number of keys found, expected one.");
        }
    }
    EXPECT_EQ(nlohmann::json::parse(R"({"measured":{"_0":4},"other":1})").get<Measurement>(),
              Measurement::measured(4));
    EXPECT_THROW((void)nlohmann::json::parse(R"({"partial":{"_0":4}})").get<Measurement>(),
                 DecodingError);
}

TEST(SystemDataReport, UnknownKindOrMissingKeyFailsTheItem) {
    nlohmann::json encoded = item(Kind::swap, Measurement::measured(1));
    encoded["kind"] = "Swap";
    EXPECT_THROW((void)encoded.get<SystemDataItem>(), DecodingError);
    encoded = item(Kind::swap, Measurement::measured(1));
    encoded.erase("details");
    EXPECT_THROW((void)encoded.get<SystemDataItem>(), DecodingError);
}

}  // namespace
}  // namespace tandor
