// Runs the inspector against a scripted probe and small scan trees.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "TandorSystem/SystemDataInspector.hpp"
#include "TestSupport/FileNodes.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::fileNode;
using testing::folderNode;
using Kind = SystemDataItem::Kind;
using Measurement = SystemDataItem::Measurement;

const std::string home = "/Users/ann";

// Replies with set values and logs each call it receives.
class FakeProbe final : public SystemProbe {
  public:
    std::optional<VolumeUsage> volume;
    std::optional<std::vector<LocalSnapshot>> snapshots;
    std::map<std::string, FolderMeasurement> folders;
    std::vector<std::string> questions;

    std::optional<VolumeUsage> volumeUsage(const std::string& path) override {
        questions.push_back("volume " + path);
        return volume;
    }
    std::optional<std::vector<LocalSnapshot>> localSnapshots() override {
        questions.push_back("snapshots");
        return snapshots;
    }
    std::optional<FolderMeasurement> measure(const std::string& path) override {
        questions.push_back(path);
        const auto found = folders.find(path);
        return found == folders.end() ? std::nullopt : std::optional(found->second);
    }
};

const Date reportDate = Date{} + std::chrono::seconds(1'800'000'000);

SystemDataInspector inspector(const std::shared_ptr<FakeProbe>& probe,
                              const std::string& temporaryFolder = "/tmp") {
    return SystemDataInspector(
        probe, home, temporaryFolder, [] { return reportDate; },
        [](Date date) { return iso8601String(date); });
}

std::vector<Kind> kinds(const SystemDataReport& report) {
    std::vector<Kind> result;
    for (const auto& item : report.items) {
        result.push_back(item.kind);
    }
    return result;
}

const SystemDataItem* itemOf(const SystemDataReport& report, Kind kind) {
    for (const auto& item : report.items) {
        if (item.kind == kind) {
            return &item;
        }
    }
    return nullptr;
}

// A scanned home whose Library/Caches folder has the given size.
FileNodePtr homeTreeWithCaches(std::int64_t bytes) {
    return folderNode(home,
                      {folderNode(home + "/Library", {fileNode(home + "/Library/Caches", bytes)})});
}

TEST(SystemDataInspector, AMachineWithNothingToSeeGivesAnEmptyReport) {
    const auto probe = std::make_shared<FakeProbe>();
    const auto report = inspector(probe).inspect(nullptr);
    EXPECT_EQ(report.volume, std::nullopt);
    EXPECT_TRUE(report.items.empty());
    EXPECT_EQ(report.generatedAt, reportDate);
    EXPECT_THAT(
        probe->questions,
        ElementsAre("volume /", "snapshots", "/private/var/vm", home + "/Library/Logs",
                    "/Library/Logs", "/private/var/log", "/private/var/db/diagnostics",
                    "/private/var/db/uuidtext", home + "/Library/Caches", "/Library/Caches",
                    home + "/Library/Application Support/MobileSync/Backup",
                    home + "/Library/iTunes/iPhone Software Updates",
                    home + "/Library/iTunes/iPad Software Updates", home + "/Library/Developer",
                    "/Library/Developer/CoreSimulator",
                    home + "/Library/Containers/com.docker.docker/Data/vms", home + "/.colima",
                    home + "/Library/Containers/com.utmapp.UTM/Data/Documents", home + "/Parallels",
                    home + "/Virtual Machines.localized"));
}

TEST(SystemDataInspector, PurgeableItemNeedsAtLeastOneFreeableByte) {
    struct Case {
        std::optional<VolumeUsage> volume;
        std::optional<std::int64_t> purgeable;
    };
    const std::vector<Case> cases{
        {VolumeUsage{1000, 400, 400}, std::nullopt},
        {VolumeUsage{1000, 400, 401}, 1},
        {VolumeUsage{1000, 400, 399}, std::nullopt},
        {VolumeUsage{1000, 400, std::nullopt}, std::nullopt},
    };
    for (const auto& testCase : cases) {
        const auto probe = std::make_shared<FakeProbe>();
        probe->volume = testCase.volume;
        const auto report = inspector(probe).inspect(nullptr);
        EXPECT_EQ(report.volume, testCase.volume);
        const auto* purgeable = itemOf(report, Kind::purgeable);
        if (testCase.purgeable) {
            ASSERT_NE(purgeable, nullptr);
            EXPECT_EQ(purgeable->measurement, Measurement::measured(*testCase.purgeable));
            EXPECT_TRUE(purgeable->handledByMacOS);
        } else {
            EXPECT_EQ(purgeable, nullptr);
        }
    }
}

TEST(SystemDataInspector, SnapshotsAreCountedWithTheRangeOfTheirDates) {
    const auto early = Date{} + std::chrono::seconds(1'700'000'000);
    const auto late = early + std::chrono::hours(3);
    const auto probe = std::make_shared<FakeProbe>();
    probe->snapshots = {{"com.apple.TimeMachine.b", late},
                        {"com.apple.TimeMachine.x", std::nullopt},
                        {"com.apple.TimeMachine.a", early}};
    auto report = inspector(probe).inspect(nullptr);
    ASSERT_THAT(kinds(report), ElementsAre(Kind::snapshots));
    const auto& item = report.items.front();
    EXPECT_EQ(item.count, 3);
    EXPECT_EQ(item.measurement, Measurement::notMeasurable());
    EXPECT_THAT(item.details,
                ElementsAre("From " + iso8601String(early) + " to " + iso8601String(late)));

    probe->snapshots = {{"a", std::nullopt}, {"b", std::nullopt}, {"c", std::nullopt}};
    report = inspector(probe).inspect(nullptr);
    EXPECT_EQ(report.items.front().count, 3);
    EXPECT_TRUE(report.items.front().details.empty());

    probe->snapshots = std::vector<LocalSnapshot>{};
    EXPECT_TRUE(inspector(probe).inspect(nullptr).items.empty());
}

TEST(SystemDataInspector, FolderItemsCoverTheFoundPathsOnly) {
    const auto probe = std::make_shared<FakeProbe>();
    probe->folders = {{"/private/var/log", {700, 0}},
                      {home + "/Library/Developer", {100, 2}},
                      {"/Library/Developer/CoreSimulator", {50, 0}}};
    const auto report = inspector(probe).inspect(nullptr);

    const auto* logs = itemOf(report, Kind::logs);
    ASSERT_NE(logs, nullptr);
    EXPECT_THAT(logs->paths, ElementsAre("/private/var/log"));
    EXPECT_EQ(logs->measurement, Measurement::measured(700));
    EXPECT_EQ(logs->title, "Logs and diagnostic reports");

    const auto* developer = itemOf(report, Kind::developer);
    ASSERT_NE(developer, nullptr);
    EXPECT_THAT(developer->paths,
                ElementsAre(home + "/Library/Developer", "/Library/Developer/CoreSimulator"));
    EXPECT_EQ(developer->measurement, Measurement::partial(150, 2));
    EXPECT_FALSE(developer->handledByMacOS);
    EXPECT_EQ(developer->count, std::nullopt);
}

TEST(SystemDataInspector, ReusesTheScanTreeInsteadOfAskingTheProbe) {
    const auto probe = std::make_shared<FakeProbe>();
    probe->folders = {{home + "/Library/Caches", {999, 4}}, {"/Library/Caches", {10, 0}}};
    const auto report =
        inspector(probe, "/private/var/folders/ab/cd/T").inspect(homeTreeWithCaches(5'000));

    const auto* temporary = itemOf(report, Kind::temporary);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->measurement, Measurement::measured(5'010)) << "the tree's size, no probe";
    EXPECT_THAT(temporary->paths, ElementsAre(home + "/Library/Caches", "/Library/Caches"));
    EXPECT_EQ(
        std::count(probe->questions.begin(), probe->questions.end(), home + "/Library/Caches"), 0);
    EXPECT_EQ(
        std::count(probe->questions.begin(), probe->questions.end(), "/private/var/folders/ab/cd"),
        1);
}

TEST(SystemDataInspector, TemporaryFolderParentJoinsOnlyUnderTheSystemFolders) {
    struct Case {
        std::string temporaryFolder;
        std::vector<std::string> paths;
    };
    const std::vector<Case> cases{
        {"/private/var/folders/ab/cd/T/",
         {home + "/Library/Caches", "/Library/Caches", "/private/var/folders/ab/cd"}},
        {"/var/folders/ab/cd/T",
         {home + "/Library/Caches", "/Library/Caches", "/var/folders/ab/cd"}},
        {"/var/folders/T", {home + "/Library/Caches", "/Library/Caches"}},
        {"/tmp", {home + "/Library/Caches", "/Library/Caches"}},
    };
    for (const auto& testCase : cases) {
        const auto groups =
            inspector(std::make_shared<FakeProbe>(), testCase.temporaryFolder).folderDefinitions();
        ASSERT_EQ(groups.size(), 7u);
        EXPECT_EQ(groups[2].kind, Kind::temporary);
        EXPECT_EQ(groups[2].paths, testCase.paths) << testCase.temporaryFolder;
    }
}

TEST(SystemDataInspector, OrdersMeasurableItemsLargestFirstThenTheRestByTitle) {
    const auto probe = std::make_shared<FakeProbe>();
    probe->volume = VolumeUsage{100'000'000'000, 10'000'000'000, 13'000'000'000};
    probe->snapshots = {{"com.apple.TimeMachine.x", std::nullopt}};
    probe->folders = {{home + "/Library/Developer", {5'000'000'000, 0}},
                      {"/private/var/log", {7'000'000'000, 1}},
                      {"/private/var/vm", {3'000'000'000, 0}},
                      {home + "/.colima", {5'000'000'000, 0}}};
    const auto report = inspector(probe).inspect(nullptr);
    EXPECT_THAT(kinds(report), ElementsAre(Kind::logs, Kind::developer, Kind::virtualMachines,
                                           Kind::purgeable, Kind::swap, Kind::snapshots));
    EXPECT_EQ(report.measuredTotal(), 20'000'000'000);
}

}  // namespace
}  // namespace tandor
