// Runs the inspector against a scripted probe and small scan trees, and with
// the live probe over a system root built in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "TandorSystem/LiveSystemProbe.hpp"
#include "TandorSystem/SystemDataInspector.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "TestSupport/Unprivileged.hpp"

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
    std::vector<std::string> swaps;
    std::set<std::string> inMemory;
    std::vector<std::string> questions;
    // The paths left out of each measurement that had some.
    std::map<std::string, std::vector<std::string>> exclusions;

    std::optional<VolumeUsage> volumeUsage(const std::string& path) override {
        questions.push_back("volume " + path);
        return volume;
    }
    std::optional<std::vector<LocalSnapshot>> localSnapshots() override {
        questions.push_back("snapshots");
        return snapshots;
    }
    std::optional<FolderMeasurement> measure(const std::string& path,
                                             const std::vector<std::string>& excluded) override {
        questions.push_back(path);
        if (!excluded.empty()) {
            exclusions[path] = excluded;
        }
        const auto found = folders.find(path);
        return found == folders.end() ? std::nullopt : std::optional(found->second);
    }
    std::vector<std::string> swapFiles(const std::string& swapTable) override {
        questions.push_back("swaps " + swapTable);
        return swaps;
    }
    bool isInMemory(const std::string& path) override { return inMemory.contains(path); }
};

const Date reportDate = Date{} + std::chrono::seconds(1'800'000'000);

SystemDataInspector inspector(const std::shared_ptr<FakeProbe>& probe,
                              const std::string& temporaryFolder = "/tmp",
                              const HomePlaces& places = HomePlaces(home)) {
    return SystemDataInspector(
        probe, places, temporaryFolder, "/", [] { return reportDate; },
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
        ElementsAre("volume /", "snapshots", "swaps /proc/swaps", "/private/var/vm",
                    home + "/Library/Logs", "/Library/Logs", "/private/var/log",
                    "/private/var/db/diagnostics", "/private/var/db/uuidtext", "/var/log",
                    home + "/Library/Caches", home + "/.cache", "/Library/Caches", "/var/cache",
                    "/var/tmp", "/tmp", home + "/Library/Application Support/MobileSync/Backup",
                    home + "/Library/iTunes/iPhone Software Updates",
                    home + "/Library/iTunes/iPad Software Updates", home + "/Library/Developer",
                    "/Library/Developer/CoreSimulator",
                    home + "/Library/Containers/com.docker.docker/Data/vms", home + "/.colima",
                    home + "/Library/Containers/com.utmapp.UTM/Data/Documents", home + "/Parallels",
                    home + "/Virtual Machines.localized", "/var/lib/libvirt/images",
                    "/var/lib/docker"));
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

// The places of a home whose cache folder XDG_CACHE_HOME moves.
HomePlaces placesWithCacheHome(const std::string& cacheHome) {
    return HomePlaces::read(home, [&](const char* name) -> const char* {
        return std::string_view(name) == "XDG_CACHE_HOME" ? cacheHome.c_str() : nullptr;
    });
}

std::int64_t timesAsked(const FakeProbe& probe, const std::string& path) {
    return std::count(probe.questions.begin(), probe.questions.end(), path);
}

TEST(SystemDataInspector, APathInsideAnotherOrListedTwiceIsCountedOnce) {
    const auto probe = std::make_shared<FakeProbe>();
    probe->swaps = {"/var/tmp/swapfile"};
    probe->folders = {{"/var/tmp", {100, 0}}, {"/var/tmp/swapfile", {40, 0}}, {"/tmp", {7, 0}}};
    auto report = inspector(probe, "/tmp", placesWithCacheHome("/tmp")).inspect(nullptr);

    const auto* swap = itemOf(report, Kind::swap);
    ASSERT_NE(swap, nullptr);
    EXPECT_THAT(swap->paths, ElementsAre("/var/tmp/swapfile"));
    EXPECT_EQ(swap->measurement, Measurement::measured(40));
    const auto* temporary = itemOf(report, Kind::temporary);
    ASSERT_NE(temporary, nullptr);
    EXPECT_THAT(temporary->paths, ElementsAre("/tmp", "/var/tmp"));
    EXPECT_EQ(temporary->measurement, Measurement::measured(107));
    EXPECT_THAT(probe->exclusions["/var/tmp"], ElementsAre("/var/tmp/swapfile"));
    EXPECT_EQ(timesAsked(*probe, "/tmp"), 1);

    // The same inside the scan tree: a cache folder set inside Library/Caches.
    const auto cacheHome = home + "/Library/Caches/xdg";
    const auto tree = folderNode(
        home, {folderNode(home + "/Library",
                          {folderNode(home + "/Library/Caches",
                                      {fileNode(cacheHome, 1'000),
                                       fileNode(home + "/Library/Caches/other", 4'000)})})});
    report = inspector(std::make_shared<FakeProbe>(), "/tmp", placesWithCacheHome(cacheHome))
                 .inspect(tree);
    temporary = itemOf(report, Kind::temporary);
    ASSERT_NE(temporary, nullptr);
    EXPECT_THAT(temporary->paths, ElementsAre(home + "/Library/Caches", cacheHome));
    EXPECT_EQ(temporary->measurement, Measurement::measured(5'000));
}

TEST(SystemDataInspector, AFolderKeptInMemoryCountsOnlyWhenTheSystemIsToo) {
    const auto probe = std::make_shared<FakeProbe>();
    probe->folders = {{"/tmp", {7'000, 0}}, {"/var/tmp", {100, 0}}};
    probe->inMemory = {"/tmp"};
    auto report = inspector(probe).inspect(nullptr);
    const auto* temporary = itemOf(report, Kind::temporary);
    ASSERT_NE(temporary, nullptr);
    EXPECT_THAT(temporary->paths, ElementsAre("/var/tmp"));
    EXPECT_EQ(temporary->measurement, Measurement::measured(100));

    // A system that runs from memory, as a live system does: all of it counts.
    probe->inMemory = {"/", "/tmp", "/var/tmp"};
    report = inspector(probe).inspect(nullptr);
    temporary = itemOf(report, Kind::temporary);
    ASSERT_NE(temporary, nullptr);
    EXPECT_THAT(temporary->paths, ElementsAre("/var/tmp", "/tmp"));
}

TEST(SystemDataInspector, TemporaryFolderParentJoinsOnlyUnderTheSystemFolders) {
    struct Case {
        std::string temporaryFolder;
        std::vector<std::string> paths;
    };
    const std::string caches = home + "/Library/Caches";
    const std::string cacheHome = home + "/.cache";
    const std::vector<Case> cases{
        {"/private/var/folders/ab/cd/T/",
         {caches, cacheHome, "/Library/Caches", "/private/var/folders/ab/cd"}},
        {"/var/folders/ab/cd/T", {caches, cacheHome, "/Library/Caches", "/var/folders/ab/cd"}},
        {"/var/folders/T", {caches, cacheHome, "/Library/Caches"}},
        {"/tmp", {caches, cacheHome, "/Library/Caches"}},
    };
    for (const auto& testCase : cases) {
        const auto groups =
            inspector(std::make_shared<FakeProbe>(), testCase.temporaryFolder).folderDefinitions();
        ASSERT_EQ(groups.size(), 7u);
        EXPECT_EQ(groups[2].kind, Kind::temporary);
        auto expected = testCase.paths;
        expected.insert(expected.end(), {"/var/cache", "/var/tmp", "/tmp"});
        EXPECT_EQ(groups[2].paths, expected) << testCase.temporaryFolder;
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

// A Linux system root: swap file (inside /var/tmp), caches, temporary
// files, logs with the journal, VM and container stores, and a home whose
// cache folder holds thumbnails; every folder open to every user.
class LinuxSystemRoot : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [path, size] : files) {
            testing::writeFile(root / path, std::string(size, 'x'));
        }
        testing::writeFile(root / "proc/swaps",
                           "Filename\t\t\t\tType\t\tSize\t\tUsed\t\tPriority\n"
                           "/var/tmp/swap\\040file                      file\t\t64\t\t0\t\t-2\n"
                           "/dev/sda3                               partition\t999\t\t0\t\t-3\n");
        std::filesystem::permissions(root.path(), std::filesystem::perms(0755));
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root.path())) {
            std::filesystem::permissions(entry.path(), entry.is_directory()
                                                           ? std::filesystem::perms(0755)
                                                           : std::filesystem::perms(0644));
        }
    }

    // The allocated bytes of the fixture files whose paths begin with one of prefixes.
    std::int64_t bytesUnder(std::initializer_list<std::string_view> prefixes) const {
        std::int64_t bytes = 0;
        for (const auto& [path, size] : files) {
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](std::string_view prefix) { return path.starts_with(prefix); })) {
                bytes += testing::allocatedBytes(root / path);
            }
        }
        return bytes;
    }

    SystemDataInspector inspector() const {
        return SystemDataInspector(std::make_shared<LiveSystemProbe>(),
                                   HomePlaces(root / "home/ann"), root / "home/ann/.tmp",
                                   root.path());
    }

    testing::TemporaryFolder root;
    const std::map<std::string, std::size_t> files{
        {"var/tmp/swap file", 64 * 1024},
        {"var/tmp/build.o", 8 * 1024},
        {"tmp/session", 4 * 1024},
        {"var/cache/apt/pkgcache.bin", 16 * 1024},
        {"var/log/syslog", 4 * 1024},
        {"var/log/journal/0a1b/system.journal", 32 * 1024},
        {"var/lib/libvirt/images/vm.qcow2", 24 * 1024},
        {"var/lib/docker/overlay2/layer", 12 * 1024},
        {"home/ann/.cache/thumbnails/a.png", 4 * 1024},
    };
};

TEST_F(LinuxSystemRoot, EachPartIsMeasuredUnderItsKind) {
    const auto report = inspector().inspect(nullptr);
    EXPECT_TRUE(report.volume);

    struct Row {
        Kind kind;
        std::vector<std::string> paths;
        std::int64_t bytes;
    };
    const Row rows[] = {
        {Kind::swap, {root / "var/tmp/swap file"}, bytesUnder({"var/tmp/swap"})},
        {Kind::logs, {root / "var/log"}, bytesUnder({"var/log/"})},
        {Kind::temporary,
         {root / "home/ann/.cache", root / "var/cache", root / "var/tmp", root / "tmp"},
         bytesUnder({"home/ann/.cache/", "var/cache/", "var/tmp/build", "tmp/"})},
        {Kind::virtualMachines,
         {root / "var/lib/libvirt/images", root / "var/lib/docker"},
         bytesUnder({"var/lib/"})},
    };
    ASSERT_EQ(report.items.size(), std::size(rows));
    for (const auto& row : rows) {
        const auto* item = itemOf(report, row.kind);
        ASSERT_NE(item, nullptr) << rawValue(row.kind);
        EXPECT_EQ(item->paths, row.paths);
        EXPECT_EQ(item->measurement, Measurement::measured(row.bytes));
    }
    EXPECT_EQ(report.measuredTotal(), bytesUnder({""}));
}

TEST_F(LinuxSystemRoot, AFolderTheUserCannotReadMakesItsPartPartial) {
    std::filesystem::permissions(root / "var/lib/docker", std::filesystem::perms(0700));
    const auto said = testing::runUnprivileged(
        [inspector = inspector()] { return nlohmann::json(inspector.inspect(nullptr)).dump(); });
    ASSERT_TRUE(nlohmann::json::accept(said)) << said;
    const auto report = nlohmann::json::parse(said).get<SystemDataReport>();

    const auto* machines = itemOf(report, Kind::virtualMachines);
    ASSERT_NE(machines, nullptr);
    EXPECT_THAT(machines->paths,
                ElementsAre(root / "var/lib/libvirt/images", root / "var/lib/docker"));
    EXPECT_EQ(machines->measurement, Measurement::partial(bytesUnder({"var/lib/libvirt/"}), 1));
    EXPECT_TRUE(report.hasUnreadableFolders());
    const auto* logs = itemOf(report, Kind::logs);
    ASSERT_NE(logs, nullptr);
    EXPECT_EQ(logs->measurement, Measurement::measured(bytesUnder({"var/log/"})));
}

}  // namespace
}  // namespace tandor
