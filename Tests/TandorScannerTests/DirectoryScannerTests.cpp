// The walk over listings made up in memory, so the tests can choose devices,
// clone facts, failures and sizes exactly. The scan root is a real empty
// folder, because the root itself is always examined on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stop_token>
#include <thread>

#include "ScannerTestSupport.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorScanner/Walk.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::FakeDirectoryReader;
using testing::fileEntry;
using testing::folderEntry;
using testing::keepEverything;
using testing::scannerWith;

std::vector<std::string> childNames(const FileNodePtr& node) {
    std::vector<std::string> names;
    for (const auto& child : node->children()) {
        names.push_back(child->name());
    }
    return names;
}

std::vector<ScanEntry> manyFiles(const std::string& prefix, int count, std::int64_t size) {
    std::vector<ScanEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(fileEntry(prefix + std::to_string(i), size));
    }
    return entries;
}

class FakeTree : public ::testing::Test {
  protected:
    std::string at(const std::string& relative) const { return root_ / relative; }
    const std::string& root() const { return root_.path(); }

    testing::TemporaryFolder root_;
    const std::uint64_t device_ = testing::deviceOf(root_.path());
};

TEST_F(FakeTree, KeepsFilesBySizeNameAndDepth) {
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_,
                                  {fileEntry("small", 999'999), fileEntry("exact", 1'000'000),
                                   fileEntry("package.json", 200), folderEntry("a", device_)}}},
        {at("a"),
         DirectoryListing{device_, {fileEntry("big", 5'000'000), folderEntry("b", device_)}}},
        {at("a/b"), DirectoryListing{device_, {fileEntry("big", 7'000'000)}}},
    });
    auto options = keepEverything();
    options.minimumKeptFileSize = 1'000'000;
    options.alwaysKeptNames = ScanOptions::projectMarkers();

    struct Case {
        std::optional<int> maxKeptDepth;
        std::vector<std::string> rootChildren;
        std::vector<std::string> aChildren;
        std::vector<std::string> bChildren;
    };
    const Case cases[] = {
        {std::nullopt, {"exact", "package.json", "a"}, {"big", "b"}, {"big"}},
        {2, {"exact", "package.json", "a"}, {"big", "b"}, {}},
        {1, {"exact", "package.json", "a"}, {}, {}},
        {0, {}, {}, {}},
    };
    for (const auto& c : cases) {
        options.maxKeptDepth = c.maxKeptDepth;
        const auto tree = scannerWith(reader, options).scan(root()).root;
        const auto a = tree->nodeAt(at("a"));
        const auto b = tree->nodeAt(at("a/b"));
        const int depth = c.maxKeptDepth.value_or(-1);
        EXPECT_EQ(childNames(tree), c.rootChildren) << depth;
        EXPECT_EQ(a ? childNames(a) : std::vector<std::string>{}, c.aChildren) << depth;
        EXPECT_EQ(b ? childNames(b) : std::vector<std::string>{}, c.bChildren) << depth;
        EXPECT_EQ(tree->allocatedSize(), 999'999 + 1'000'000 + 200 + 5'000'000 + 7'000'000);
        EXPECT_EQ(tree->fileCount(), 5);
        if (a) {
            EXPECT_EQ(a->fileCount(), 2);
            EXPECT_EQ(a->allocatedSize(), 12'000'000);
        }
    }
}

TEST_F(FakeTree, StaysOnTheRootsDevice) {
    const std::uint64_t other = device_ + 1;
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_,
                                  {folderEntry("local", device_), folderEntry("mount", other),
                                   folderEntry("unknown", 0)}}},
        {at("local"), DirectoryListing{device_, {fileEntry("f", 10)}}},
        {at("mount"), DirectoryListing{other, {fileEntry("f", 20)}}},
        {at("unknown"), DirectoryListing{other, {fileEntry("f", 40)}}},
    });
    auto options = keepEverything();
    const auto staying = scannerWith(reader, options).scan(root());
    EXPECT_THAT(childNames(staying.root), ElementsAre("local", "unknown"));
    EXPECT_EQ(staying.root->allocatedSize(), 10);
    EXPECT_EQ(staying.root->nodeAt(at("unknown"))->fileCount(), 0);
    EXPECT_TRUE(staying.inaccessiblePaths.empty());

    options.staysOnSameVolume = false;
    const auto crossing = scannerWith(reader, options).scan(root());
    EXPECT_EQ(crossing.root->allocatedSize(), 70);
}

TEST_F(FakeTree, RecordsUnreadableFoldersSortedAndGoesOn) {
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_,
                                  {folderEntry("z", device_), folderEntry("ok", device_),
                                   folderEntry("a", device_), fileEntry("f", 5)}}},
        {at("ok"), DirectoryListing{device_, {fileEntry("g", 7)}}},
        {at("z"), std::nullopt},
    });
    const auto result = scannerWith(reader, keepEverything()).scan(root());
    EXPECT_THAT(result.inaccessiblePaths, ElementsAre(at("a"), at("z")));
    EXPECT_THAT(childNames(result.root), ElementsAre("f", "z", "ok", "a"));
    EXPECT_EQ(result.root->nodeAt(at("z"))->fileCount(), 0);
    EXPECT_EQ(result.root->allocatedSize(), 12);

    const FakeDirectoryReader nothing({});
    const auto unreadableRoot = scannerWith(nothing, keepEverything()).scan(root() + "/");
    EXPECT_THAT(unreadableRoot.inaccessiblePaths, ElementsAre(root()));
    EXPECT_TRUE(unreadableRoot.root->children().empty());
    EXPECT_EQ(unreadableRoot.root->path(), root());
}

TEST_F(FakeTree, CountsHardLinksOnceAndClonesByTheirPrivateBytes) {
    const std::int64_t mb = 1'000'000;
    auto link = [&](const char* name) {
        ScanEntry entry = fileEntry(name, 10 * mb, device_, 77);
        entry.linkCount = 2;
        return entry;
    };
    auto clone = [&](const char* name, std::optional<std::uint64_t> id) {
        ScanEntry entry = fileEntry(name, 10 * mb);
        entry.privateSize = mb;
        entry.cloneID = id;
        return entry;
    };
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_,
                                  {link("link1"), link("link2"), clone("clone1", 5),
                                   clone("clone2", 5), clone("loner", std::nullopt)}}},
    });
    auto options = keepEverything(true, 0);
    options.minimumKeptFileSize = 1;
    const auto result = scannerWith(reader, options).scan(root());
    const auto& tree = result.root;

    EXPECT_EQ(result.skippedHardLinks, 1);
    EXPECT_EQ(tree->nodeAt(at("link1"))->allocatedSize(), 10 * mb);
    EXPECT_FALSE(tree->nodeAt(at("link2"))) << "a repeat has no size and is folded";

    EXPECT_EQ(result.dedupedClones, 1);
    EXPECT_EQ(result.dedupedCloneBytes, 9 * mb);
    EXPECT_EQ(tree->nodeAt(at("clone1"))->allocatedSize(), 10 * mb);
    EXPECT_EQ(tree->nodeAt(at("clone1"))->sharedCloneSize(), 9 * mb);
    EXPECT_EQ(tree->nodeAt(at("clone2"))->allocatedSize(), mb);
    EXPECT_EQ(tree->nodeAt(at("clone2"))->sharedCloneSize(), 0);
    EXPECT_EQ(tree->nodeAt(at("loner"))->allocatedSize(), 10 * mb);
    EXPECT_EQ(tree->nodeAt(at("loner"))->sharedCloneSize(), 9 * mb);

    EXPECT_EQ(tree->fileCount(), 5);
    EXPECT_EQ(tree->allocatedSize(), 10 * mb + 10 * mb + mb + 10 * mb);
}

TEST_F(FakeTree, ReportsProgressWhenTheCountCrossesAMultipleOf5000) {
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_,
                                  {folderEntry("a", device_), folderEntry("b", device_),
                                   folderEntry("c", device_)}}},
        {at("a"), DirectoryListing{device_, manyFiles("f", 4999, 3)}},
        {at("b"), DirectoryListing{device_, manyFiles("f", 1, 3)}},
        {at("c"), DirectoryListing{device_, manyFiles("f", 12000, 3)}},
    });
    std::vector<ScanProgress> reports;
    const auto result =
        scannerWith(reader, keepEverything(true, 0)).scan(root(), [&](const ScanProgress& report) {
            reports.push_back(report);
        });
    EXPECT_THAT(reports, ElementsAre(ScanProgress{at("b"), 5000, 15000},
                                     ScanProgress{at("c"), 17000, 51000}));
    EXPECT_EQ(result.root->fileCount(), reports.back().filesSeen);
    EXPECT_EQ(result.root->allocatedSize(), reports.back().bytesSeen);

    std::vector<std::pair<std::string, std::int64_t>> counts;
    scannerWith(reader, keepEverything(true, 0))
        .scan(root(), [&](const std::string& folder, std::int64_t files) {
            counts.emplace_back(folder, files);
        });
    EXPECT_THAT(counts, ElementsAre(std::pair{at("b"), 5000}, std::pair{at("c"), 17000}));
}

TEST_F(FakeTree, ParallelTotalsMatchTheLastReport) {
    std::map<std::string, std::optional<DirectoryListing>> listings;
    DirectoryListing top{device_, {}};
    for (int i = 0; i < 8; ++i) {
        const std::string name = "d" + std::to_string(i);
        top.entries.push_back(folderEntry(name, device_));
        DirectoryListing middle{device_, manyFiles("f", 1000, i + 1)};
        for (int j = 0; j < 4; ++j) {
            const std::string leaf = "e" + std::to_string(j);
            middle.entries.push_back(folderEntry(leaf, device_));
            listings[at(name + "/" + leaf)] = DirectoryListing{device_, manyFiles("g", 1000, 2)};
        }
        listings[at(name)] = middle;
    }
    listings[root()] = top;
    const FakeDirectoryReader reader(listings);

    std::mutex lock;
    ScanProgress last;
    const auto result =
        scannerWith(reader, keepEverything(true, 3)).scan(root(), [&](const ScanProgress& report) {
            const std::lock_guard guard(lock);
            if (report.filesSeen > last.filesSeen) {
                last = report;
            }
        });
    EXPECT_EQ(result.root->fileCount(), 8 * (1000 + 4 * 1000));
    EXPECT_EQ(last.filesSeen, 8 * (1000 + 4 * 1000)) << "the total is a multiple of 5000";
    EXPECT_EQ(result.root->allocatedSize(), last.bytesSeen);
    EXPECT_THAT(childNames(result.root),
                ElementsAre("d0", "d1", "d2", "d3", "d4", "d5", "d6", "d7"));
    EXPECT_EQ(childNames(result.root->nodeAt(at("d3"))).back(), "e3");
}

TEST_F(FakeTree, PutsFilesFirstThenFoldersInListingOrder) {
    const FakeDirectoryReader reader({
        {root(),
         DirectoryListing{device_,
                          {folderEntry("q", device_), fileEntry("z", 2), folderEntry("b", device_),
                           fileEntry("a", 1), folderEntry("m", device_)}}},
        {at("q"), DirectoryListing{device_, manyFiles("f", 300, 1)}},
        {at("b"), DirectoryListing{device_, {}}},
        {at("m"), DirectoryListing{device_, manyFiles("f", 3, 1)}},
    });
    const auto result = scannerWith(reader, keepEverything(true, 3)).scan(root());
    EXPECT_THAT(childNames(result.root), ElementsAre("z", "a", "q", "b", "m"));
    EXPECT_EQ(childNames(result.root->nodeAt(at("q"))).front(), "f0");
}

TEST_F(FakeTree, ScansTheRootFolderWithoutDoubleSlashes) {
    const std::uint64_t rootDevice = testing::deviceOf("/");
    const FakeDirectoryReader reader({
        {"/", DirectoryListing{rootDevice,
                               {fileEntry("vmlinuz", 9), folderEntry("usr", rootDevice),
                                folderEntry("home", rootDevice)}}},
        {"/usr", DirectoryListing{rootDevice, {fileEntry("bin", 1)}}},
        {"/home", DirectoryListing{rootDevice, {}}},
    });
    auto options = keepEverything();
    options.excludedPaths = {"/home"};
    const auto result = scannerWith(reader, options).scan("/");
    EXPECT_EQ(result.root->path(), "/");
    std::vector<std::string> paths;
    result.root->forEach([&](const FileNodePtr& node) { paths.push_back(node->path()); });
    EXPECT_THAT(paths, ElementsAre("/", "/vmlinuz", "/usr", "/usr/bin"));
}

TEST_F(FakeTree, RefusesARootHoldingANulWithoutReadingAnything) {
    const FakeDirectoryReader reader({
        {root(), DirectoryListing{device_, {fileEntry("f", 1)}}},
    });
    const std::string withNul = root() + std::string("\0/elsewhere", 11);
    try {
        scannerWith(reader, keepEverything()).scan(withNul);
        FAIL() << "a root holding a NUL must throw";
    } catch (const ScanError& error) {
        EXPECT_EQ(error.kind(), ScanError::Kind::cannotRead);
        EXPECT_EQ(error.path(), withNul);
        EXPECT_EQ(error.description(), "Cannot read " + root() + "\\0/elsewhere");
    }
    EXPECT_EQ(reader.calls(), 0);
}

// A chain of folders "d" below root, each beside an empty "e" listed after it,
// so that every folder on the way down still has a subfolder to open. A listing
// with subfolders comes with a stand-in for its open folder; the reader checks
// that each folder below the root is asked for relative to the open folder of
// one of its ancestors, and counts how many of them are open at once.
class ChainReader final : public DirectoryReader {
  public:
    ChainReader(std::string root, std::uint64_t device, int levels)
        : root_(std::move(root)), device_(device), levels_(levels) {}

    std::optional<DirectoryListing> list(const std::string& folder) const override {
        ++byPath_;
        return listing(folder);
    }

    std::optional<DirectoryListing> listBelow(const FolderDescriptor& ancestor,
                                              std::string_view relative,
                                              const std::string& folder) const override {
        {
            const std::lock_guard guard(mutex_);
            const auto found = open_.find(&ancestor);
            if (found == open_.end() || found->second + "/" + std::string(relative) != folder) {
                ++misdirected_;
            }
            longestRelative_ =
                std::max(longestRelative_,
                         static_cast<int>(std::count(relative.begin(), relative.end(), '/')) + 1);
        }
        return listing(folder);
    }

    int byPath() const { return byPath_; }
    int misdirected() const { return misdirected_; }
    int longestRelative() const { return longestRelative_; }
    std::size_t mostOpen() const { return mostOpen_; }

  private:
    std::optional<DirectoryListing> listing(const std::string& folder) const {
        if (folder.ends_with("/e")) {
            return DirectoryListing{device_, {}};
        }
        if (static_cast<int>(folder.size() - root_.size()) / 2 == levels_) {
            return DirectoryListing{device_, {fileEntry("bottom", 1)}};
        }
        return DirectoryListing{
            device_, {folderEntry("d", device_), folderEntry("e", device_)}, opened(folder)};
    }

    std::shared_ptr<const FolderDescriptor> opened(const std::string& folder) const {
        const std::lock_guard guard(mutex_);
        const auto* descriptor = new FolderDescriptor();
        open_[descriptor] = folder;
        mostOpen_ = std::max(mostOpen_, open_.size());
        return std::shared_ptr<const FolderDescriptor>(descriptor, [this](const auto* closed) {
            const std::lock_guard closing(mutex_);
            open_.erase(closed);
            delete closed;
        });
    }

    std::string root_;
    std::uint64_t device_;
    int levels_;
    mutable std::mutex mutex_;
    mutable std::map<const FolderDescriptor*, std::string> open_;
    mutable std::size_t mostOpen_ = 0;
    mutable int longestRelative_ = 0;
    mutable std::atomic<int> byPath_ = 0;
    mutable std::atomic<int> misdirected_ = 0;
};

TEST_F(FakeTree, OpensEveryFolderFromAnOpenAncestorAndKeepsFewOpen) {
    const int levels = Walk::maxFoldersKeptOpen + 10;
    const auto threads = static_cast<std::size_t>(std::thread::hardware_concurrency());
    const std::pair<int, std::size_t> cases[] = {
        {0, Walk::maxFoldersKeptOpen + 1},
        {3, Walk::maxFoldersKeptOpen + std::max<std::size_t>(threads, 1)},
    };
    for (const auto& [parallelDepth, mostOpen] : cases) {
        const ChainReader reader(root(), device_, levels);
        const auto result = scannerWith(reader, keepEverything(true, parallelDepth)).scan(root());
        EXPECT_EQ(reader.byPath(), 1) << "only the root";
        EXPECT_EQ(reader.misdirected(), 0) << parallelDepth;
        EXPECT_GT(reader.longestRelative(), 1) << "past the folders kept open";
        EXPECT_LE(reader.mostOpen(), mostOpen) << parallelDepth;

        std::string bottom = root();
        for (int level = 0; level < levels; ++level) {
            bottom += "/d";
        }
        EXPECT_TRUE(result.root->nodeAt(bottom + "/bottom")) << parallelDepth;
        EXPECT_EQ(result.root->fileCount(), 1);
        EXPECT_TRUE(result.inaccessiblePaths.empty());
    }
}

// Holds the first listing of a folder below marker until a second such listing
// has started, on another thread, or until a generous time has passed.
class MeetingReader final : public DirectoryReader {
  public:
    MeetingReader(const DirectoryReader& inner, std::string marker)
        : inner_(inner), marker_(std::move(marker)) {}

    std::optional<DirectoryListing> list(const std::string& folder) const override {
        if (folder.starts_with(marker_ + "/")) {
            std::unique_lock guard(lock_);
            if (++arrived_ == 2) {
                met_ = waiting_;
                arrival_.notify_all();
            } else if (arrived_ == 1) {
                waiting_ = true;
                arrival_.wait_for(guard, std::chrono::seconds(20), [this] { return met_; });
                waiting_ = false;
            }
        }
        return inner_.list(folder);
    }

    bool met() const {
        const std::lock_guard guard(lock_);
        return met_;
    }

  private:
    const DirectoryReader& inner_;
    std::string marker_;
    mutable std::mutex lock_;
    mutable std::condition_variable arrival_;
    mutable int arrived_ = 0;
    mutable bool waiting_ = false;
    mutable bool met_ = false;
};

TEST_F(FakeTree, SubtreesBelowTheParallelDepthAreSharedAmongThreads) {
    std::map<std::string, std::optional<DirectoryListing>> listings;
    const std::string chain = "a/b/c/d";
    for (const std::string folder : {"", "a", "a/b", "a/b/c"}) {
        const std::string next = chain.substr(folder.size() + (folder.empty() ? 0 : 1), 1);
        listings[folder.empty() ? root() : at(folder)] =
            DirectoryListing{device_, {folderEntry(next, device_), fileEntry("f", 1)}};
    }
    DirectoryListing bulk{device_, {}};
    for (int i = 0; i < 8; ++i) {
        const std::string name = "p" + std::to_string(i);
        bulk.entries.push_back(folderEntry(name, device_));
        listings[at(chain + "/" + name)] = DirectoryListing{device_, manyFiles("g", 10, i + 1)};
    }
    listings[at(chain)] = bulk;
    const FakeDirectoryReader fake(listings);
    const MeetingReader reader(fake, at(chain));

    const auto shared = scannerWith(reader, keepEverything(true, 3)).scan(root());
    EXPECT_TRUE(reader.met()) << "two folders below the chain were listed at once";
    const auto alone = scannerWith(fake, keepEverything(true, 0)).scan(root());
    EXPECT_THAT(childNames(shared.root->nodeAt(at(chain))),
                ElementsAre("p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7"));
    EXPECT_EQ(shared.root->fileCount(), alone.root->fileCount());
    EXPECT_EQ(shared.root->allocatedSize(), alone.root->allocatedSize());
    EXPECT_EQ(childNames(shared.root->nodeAt(at(chain + "/p5"))),
              childNames(alone.root->nodeAt(at(chain + "/p5"))));
}

TEST_F(FakeTree, StopsBetweenFoldersWhenAsked) {
    std::map<std::string, std::optional<DirectoryListing>> listings;
    DirectoryListing top{device_, {}};
    for (int i = 0; i < 10; ++i) {
        const std::string name = "d" + std::to_string(i);
        top.entries.push_back(folderEntry(name, device_));
        listings[at(name)] = DirectoryListing{device_, manyFiles("f", 5000, 1)};
    }
    listings[root()] = top;
    const FakeDirectoryReader reader(listings);
    const auto scanner = scannerWith(reader, keepEverything(true, 0));

    std::stop_source stop;
    try {
        scanner.scan(
            root(), [&](const ScanProgress&) { stop.request_stop(); }, stop.get_token());
        FAIL() << "a stopped scan must not return a result";
    } catch (const ScanError& error) {
        EXPECT_EQ(error.kind(), ScanError::Kind::cancelled);
        EXPECT_EQ(error.path(), root());
    }
    EXPECT_EQ(reader.calls(), 2) << "the root and the first folder only";

    std::stop_source fanningOut;
    EXPECT_THROW(scannerWith(reader, keepEverything(true, 3))
                     .scan(
                         root(), [&](const ScanProgress&) { fanningOut.request_stop(); },
                         fanningOut.get_token()),
                 ScanError);
}

}  // namespace
}  // namespace tandor
