#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <tbb/task_arena.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <random>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::similar_photo_finder_tests {
namespace {

using Calls = std::vector<std::pair<std::int64_t, std::int64_t>>;

const Date t0 = std::chrono::sys_days{std::chrono::year{2024} / 6 / 1};

PathFilter defaultFilter() {
    return PathFilter({}, true, PathFilter::defaultSkippedFolderNames(),
                      PathFilter::defaultPackageExtensions());
}

SimilarPhotoFinder::Options options(std::optional<double> window = 1800) {
    return {0.35f, window, 200, 100'000, defaultFilter()};
}

// The print of an image of random pixels: equal looks give equal prints,
// different looks prints far apart.
std::shared_ptr<const FeaturePrint> printOf(unsigned look) {
    std::mt19937 random(look);
    std::vector<std::uint8_t> grid(FeaturePrint::gridSide * FeaturePrint::gridSide * 3);
    for (auto& value : grid) {
        value = static_cast<std::uint8_t>(random() & 0xff);
    }
    return std::make_shared<const FeaturePrint>(FeaturePrint::fromGrid(grid));
}

// Analyses photos from a table; a path not in it fails as unreadable, and
// paths starting with "/throws" fail with some other error.
class FakeAnalysis {
  public:
    struct Shot {
        unsigned look = 1;
        std::int64_t bytes = 1000;
        Date date = t0;
    };

    void add(const std::string& path, Shot shot) { shots_[path] = shot; }

    SimilarPhotoFinder::Analyze function() {
        return [this](const std::string& path) {
            {
                const std::lock_guard lock(mutex_);
                analysed_.push_back(path);
            }
            if (path.starts_with("/throws")) {
                throw std::runtime_error("disk on fire");
            }
            const auto found = shots_.find(path);
            if (found == shots_.end()) {
                throw SimilarPhotoFinder::PhotoError(
                    SimilarPhotoFinder::PhotoError::Code::unreadable);
            }
            const auto& shot = found->second;
            return SimilarPhotoFinder::Analyzed{
                SimilarPhoto{path, shot.bytes, shot.date, 4000, 3000, std::nullopt},
                printOf(shot.look)};
        };
    }

    std::vector<std::string> analysed() const {
        auto sorted = analysed_;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

  private:
    std::map<std::string, Shot> shots_;
    std::mutex mutex_;
    std::vector<std::string> analysed_;
};

FileNodePtr file(std::string path, std::int64_t allocated, std::int64_t logical = -1) {
    return FileNode::make(std::move(path), std::nullopt, false, allocated,
                          logical < 0 ? allocated : logical, 0, std::nullopt, std::nullopt, {});
}

FileNodePtr folder(std::string path, std::vector<FileNodePtr> children) {
    return FileNode::make(std::move(path), std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                          std::move(children));
}

std::vector<std::string> numberedPaths(int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back("/p/" + std::to_string(1000 + i) + ".jpg");
    }
    return paths;
}

TEST(SimilarPhotoFinder, ProgressComesOncePerBatchOfSixtyFourAndAtTheEnd) {
    const std::pair<int, Calls> cases[] = {
        {0, {{0, 0}}},
        {64, {{0, 64}, {64, 64}}},
        {65, {{0, 65}, {64, 65}, {65, 65}}},
    };
    for (const auto& [count, expected] : cases) {
        FakeAnalysis analysis;
        Calls calls;
        const auto report =
            SimilarPhotoFinder(options(), analysis.function())
                .find(numberedPaths(count), [&](std::int64_t done, std::int64_t total) {
                    calls.emplace_back(done, total);
                });
        EXPECT_EQ(calls, expected) << count;
        EXPECT_EQ(report.unreadablePaths.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(report.photosCompared, 0);
    }
}

TEST(SimilarPhotoFinder, TreeCandidatesArePhotoFilesLargeOnDiskAndNotExcluded) {
    auto root =
        folder("/r", {folder("/r/album.jpg", {file("/r/album.jpg/notes.txt", 500'000)}),
                      file("/r/UPPER.JPG", 200'000), file("/r/sparse.jpg", 10'000, 5'000'000),
                      file("/r/small.jpg", 99'999), file("/r/copy.jpg", 200'000),
                      file("/r/copy.jpeg", 200'000), file("/r/.hidden.jpg", 200'000),
                      file("/r/clip.mov", 900'000)});
    FakeAnalysis analysis;
    const SimilarPhotoFinder finder(options(), analysis.function());
    finder.find(*root, {"/r/copy.jpg", "/r/COPY.JPEG", "/r/copy.jpeg/"});
    EXPECT_EQ(analysis.analysed(), (std::vector<std::string>{"/r/UPPER.JPG", "/r/copy.jpeg"}));

    // A list of paths skips the size rule, not the filter or the photo test.
    FakeAnalysis direct;
    SimilarPhotoFinder(options(), direct.function())
        .find({"/r/small.jpg", "/r/.hidden.jpg", "/r/clip.mov", "/r/small.jpg"});
    EXPECT_EQ(direct.analysed(), (std::vector<std::string>{"/r/small.jpg", "/r/small.jpg"}));
}

TEST(SimilarPhotoFinder, FailedPhotosAreListedSortedAndTheOthersStillGroup) {
    FakeAnalysis analysis;
    analysis.add("/a/1.jpg", {1, 500, t0});
    analysis.add("/a/2.jpg", {1, 300, t0 + std::chrono::seconds{5}});
    analysis.add("/b/1.jpg", {2, 500, t0});
    analysis.add("/b/2.jpg", {2, 300, t0 + std::chrono::seconds{9}});
    analysis.add("/c/big.jpg", {3, 900, t0});
    analysis.add("/c/big2.jpg", {3, 900, t0});
    analysis.add("/d/alone.jpg", {4, 900, t0});
    analysis.add("/e/late.jpg", {1, 900, t0 + std::chrono::hours{2}});
    const auto report = SimilarPhotoFinder(options(), analysis.function())
                            .find({"/z/missing.jpg", "/a/2.jpg", "/throws/x.jpg", "/b/1.jpg",
                                   "/a/1.jpg", "/c/big.jpg", "/b/2.jpg", "/c/big2.jpg",
                                   "/d/alone.jpg", "/e/late.jpg", "/b/broken.png"});
    EXPECT_EQ(report.unreadablePaths,
              (std::vector<std::string>{"/b/broken.png", "/throws/x.jpg", "/z/missing.jpg"}));
    EXPECT_EQ(report.photosCompared, 8);
    ASSERT_EQ(report.groups.size(), 3U);
    // Most bytes to free first; equal amounts by id, descending.
    EXPECT_EQ(report.groups[0].id(), "/c/big.jpg");
    EXPECT_EQ(report.groups[1].id(), "/b/1.jpg");
    EXPECT_EQ(report.groups[2].id(), "/a/1.jpg");
    EXPECT_EQ(report.groups[2].bestPath(), "/a/1.jpg");
    EXPECT_EQ(report.groups[2].photos().size(), 2U);
}

TEST(SimilarPhotoFinder, CancellationBetweenBatchesStartsNoFurtherPhoto) {
    FakeAnalysis analysis;
    std::stop_source stop;
    Calls calls;
    const SimilarPhotoFinder finder(options(), analysis.function());
    EXPECT_THROW(finder.find(
                     numberedPaths(200),
                     [&](std::int64_t done, std::int64_t total) {
                         calls.emplace_back(done, total);
                         if (done == 128) {
                             stop.request_stop();
                         }
                     },
                     stop.get_token()),
                 CancellationError);
    EXPECT_EQ(calls, (Calls{{0, 200}, {64, 200}, {128, 200}}));
    EXPECT_EQ(analysis.analysed().size(), 128U);
}

TEST(SimilarPhotoFinder, AStopDuringABatchLetsOnlyThePhotosUnderWayFinish) {
    // On one thread the first photo is the only one; on several, each other
    // thread may be inside one photo when the stop comes.
    const int threads[] = {1, tbb::this_task_arena::max_concurrency()};
    for (const int threadCount : threads) {
        std::stop_source stop;
        std::atomic<int> started = 0;
        std::atomic<int> startedAfterTheStop = 0;
        const SimilarPhotoFinder finder(options(), [&](const std::string&) {
            if (started.fetch_add(1) == 0) {
                stop.request_stop();
            } else if (stop.stop_requested()) {
                ++startedAfterTheStop;
            }
            return SimilarPhotoFinder::Analyzed{};
        });
        tbb::task_arena arena(threadCount);
        EXPECT_THROW(arena.execute([&] { finder.find(numberedPaths(64), {}, stop.get_token()); }),
                     CancellationError);
        EXPECT_LE(startedAfterTheStop, threadCount - 1) << threadCount;
    }
}

// Records every change made to the files of one folder while it lives.
class ChangeWatch {
  public:
    explicit ChangeWatch(const std::string& folder)
        : descriptor_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        ::inotify_add_watch(descriptor_, folder.c_str(),
                            IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVE | IN_CREATE |
                                IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF);
    }
    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;
    ~ChangeWatch() { ::close(descriptor_); }

    bool sawAChange() const {
        alignas(inotify_event) char buffer[4096];
        return ::read(descriptor_, buffer, sizeof buffer) > 0;
    }

  private:
    int descriptor_;
};

TEST(SimilarPhotoFinder, RealPhotosGroupByScenePastBadFilesWithoutChangingAnything) {
    const testing::TemporaryFolder photos;
    std::vector<std::string> paths;
    for (const std::uint64_t scene : {std::uint64_t{21}, std::uint64_t{22}}) {
        for (int shot = 0; shot < 2; ++shot) {
            testing::PhotoSpec spec;
            spec.scene = scene;
            spec.variation.left = 0.03 * shot;
            spec.variation.exposure = 1 - 0.08 * shot;
            spec.quality = shot == 0 ? 92 : 70;
            paths.push_back(
                photos / ("scene" + std::to_string(scene) + "-" + std::to_string(shot) + ".jpg"));
            testing::writePhoto(paths.back(), spec);
        }
    }
    std::ofstream(photos / "text.jpg") << "plain text\n";
    paths.push_back(photos / "text.jpg");
    paths.push_back(photos / "gone.jpg");
    std::sort(paths.begin(), paths.end());

    const ChangeWatch watch(photos.path());
    const auto report = SimilarPhotoFinder(options(std::nullopt)).find(paths);
    EXPECT_FALSE(watch.sawAChange());

    EXPECT_EQ(report.unreadablePaths,
              (std::vector<std::string>{photos / "gone.jpg", photos / "text.jpg"}));
    EXPECT_EQ(report.photosCompared, 4);
    ASSERT_EQ(report.groups.size(), 2U);
    for (const auto& group : report.groups) {
        ASSERT_EQ(group.photos().size(), 2U);
        EXPECT_EQ(group.photos()[0].name().substr(0, 8), group.photos()[1].name().substr(0, 8));
    }
}

}  // namespace
}  // namespace tandor::similar_photo_finder_tests
