// Measures the similar-photo search: photos analysed per second (12-megapixel
// JPEGs, all cores), the time to group 10,000 analysed photos, and the
// precision and recall of the feature-print distance at the threshold of 0.35
// on a generated labelled set. All photos live in a temporary folder.
//
// Usage: photos-bench [analysed photos, default 512]
// The last line is:
// photos: per_second=<n> group_10k=<s> precision=<p> recall=<r>

#include <tbb/parallel_for.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TandorDuplicates/VipsSupport.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace {

using namespace tandor;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

SimilarPhotoFinder::Options searchOptions() {
    return {0.35f, 1800, 200, 100'000,
            PathFilter({}, true, PathFilter::defaultSkippedFolderNames(),
                       PathFilter::defaultPackageExtensions())};
}

// Photos per second of the finder over count paths that cycle through 16
// distinct 12-megapixel JPEGs.
double analysisRate(const std::string& folder, int count) {
    constexpr int distinct = 16;
    std::vector<std::string> files(distinct);
    tbb::parallel_for(0, distinct, [&](int i) {
        testing::PhotoSpec spec;
        spec.scene = static_cast<std::uint64_t>(100 + i);
        spec.width = 4000;
        spec.height = 3000;
        spec.quality = 90;
        spec.exifDate = "2024:05:01 10:00:" + std::to_string(10 + i);
        files[static_cast<std::size_t>(i)] = folder + "/large" + std::to_string(i) + ".jpg";
        testing::writePhoto(files[static_cast<std::size_t>(i)], spec);
    });
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(files[static_cast<std::size_t>(i % distinct)]);
    }
    const SimilarPhotoFinder finder(searchOptions());
    finder.find(std::vector<std::string>(files.begin(), files.end()));
    const auto start = Clock::now();
    const auto report = finder.find(paths);
    const double elapsed = secondsSince(start);
    std::printf("analysis: %d photos of 4000x3000 in %.2f s, %lld analysed, %zu unreadable\n",
                count, elapsed, static_cast<long long>(report.photosCompared),
                report.unreadablePaths.size());
    return count / elapsed;
}

// Seconds for the finder to group 10,000 photos taken over two days (about a
// hundred in every half hour) whose analysis is already done.
double groupingTime() {
    constexpr int count = 10'000;
    std::mt19937_64 random(5);
    std::vector<SimilarPhotoFinder::Analyzed> items;
    const Date day = std::chrono::sys_days{std::chrono::year{2024} / 5 / 1};
    std::uniform_int_distribution<int> second(0, 2 * 86'400);
    for (int i = 0; i < count; ++i) {
        std::vector<std::uint8_t> grid(FeaturePrint::gridSide * FeaturePrint::gridSide * 3);
        for (auto& value : grid) {
            value = static_cast<std::uint8_t>(random() & 0xff);
        }
        items.push_back(
            {SimilarPhoto{"/photos/" + std::to_string(i) + ".jpg", 2'000'000,
                          day + std::chrono::seconds{second(random)}, 4000, 3000, std::nullopt},
             std::make_shared<const FeaturePrint>(FeaturePrint::fromGrid(grid))});
    }
    std::vector<std::string> paths;
    for (const auto& item : items) {
        paths.push_back(item.photo.path);
    }
    const SimilarPhotoFinder finder(searchOptions(), [&](const std::string& path) {
        return items[std::stoul(path.substr(8))];
    });
    const auto start = Clock::now();
    const auto report = finder.find(paths);
    const double elapsed = secondsSince(start);
    std::printf("grouping: %d photos in %.3f s, %zu groups\n", count, elapsed,
                report.groups.size());
    return elapsed;
}

testing::PairScore calibration(const std::string& folder) {
    testing::LabelledSetOptions set;
    set.families = 20;
    set.scenesPerFamily = 2;
    set.shotsPerScene = 4;
    set.seed = 23;
    std::filesystem::create_directory(folder + "/labelled");
    const auto photos = testing::writeLabelledSet(folder + "/labelled", set);
    std::vector<std::shared_ptr<const FeaturePrint>> prints(photos.size());
    tbb::parallel_for(std::size_t{0}, photos.size(), [&](std::size_t i) {
        prints[i] = SimilarPhotoFinder::analyze(photos[i].path).print;
    });
    float farthestAlike = 0;
    float nearestDifferent = 1;
    const auto score = testing::scorePairs(photos, 0.35f, [&](std::size_t i, std::size_t j) {
        const auto distance = SimilarPhotoFinder::distance(*prints[i], *prints[j]);
        auto& extreme = photos[i].scene == photos[j].scene ? farthestAlike : nearestDifferent;
        if (distance) {
            extreme = photos[i].scene == photos[j].scene ? std::max(extreme, *distance)
                                                         : std::min(extreme, *distance);
        }
        return distance;
    });
    std::printf("labelled set: same scene at most %.3f apart, different scenes at least %.3f\n",
                farthestAlike, nearestDifferent);
    std::printf("labelled set: %zu photos of %d scenes; %d true pairs found, %d false, %d missed\n",
                photos.size(), set.families * set.scenesPerFamily, score.truePositives,
                score.falsePositives, score.falseNegatives);
    return score;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(64, std::atoi(argv[1])) : 512;
    // libvips starts once, here, before the loops that write and read photos.
    if (!tandor::vips::started()) {
        std::fprintf(stderr, "photos-bench: libvips did not start\n");
        return 1;
    }
    const tandor::testing::TemporaryFolder folder;
    const double rate = analysisRate(folder.path(), count);
    const double grouping = groupingTime();
    const auto score = calibration(folder.path());
    std::printf("photos: per_second=%.0f group_10k=%.3f precision=%.4f recall=%.4f\n", rate,
                grouping, score.precision, score.recall);
    return 0;
}
