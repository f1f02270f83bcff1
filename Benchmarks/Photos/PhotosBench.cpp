// Measures the similar-photo search: photos analysed per second (12-megapixel
// JPEGs, all cores), the time to group 10,000 analysed photos, the precision
// and recall of the feature-print distance at the threshold of 0.35 on a
// generated labelled set, and the pair precision and recall of the finder's
// groups over a burst of real photographs (all, colour scenes, colourless
// scenes) with the distances within and between their scenes. All photos live
// in a temporary folder.
//
// Usage: photos-bench [analysed photos, default 512]
// The last line is:
// photos: per_second=<n> group_10k=<s> precision=<p> recall=<r>
//   real_precision=<p> real_recall=<r> colour=<p>/<r> colourless=<p>/<r>
//   real_margin=<nearest different scenes minus farthest shots of one scene>

#include <tbb/parallel_for.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "PhotoFixture.hpp"
#include "RealPhotoBurst.hpp"
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

struct BurstScore {
    testing::PairScore all, colour, colourless;
    double margin = 0;
};

testing::PairScore scored(int truePositives, int falsePositives, int falseNegatives) {
    const auto ratio = [](int part, int whole) {
        return whole == 0 ? 1.0 : static_cast<double>(part) / whole;
    };
    return {ratio(truePositives, truePositives + falsePositives),
            ratio(truePositives, truePositives + falseNegatives), truePositives, falsePositives,
            falseNegatives};
}

double percentile(std::vector<float> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// Same-scene and different-scene distances over every pair of the burst, and
// the scenes that come within the threshold of another; returns the margin
// between the nearest different scenes and the farthest shots of one scene.
double printDistances(const std::vector<benchmarks::RealPhoto>& photos,
                      const std::vector<std::string>& sources) {
    std::vector<std::shared_ptr<const FeaturePrint>> prints(photos.size());
    tbb::parallel_for(std::size_t{0}, photos.size(), [&](std::size_t i) {
        prints[i] = SimilarPhotoFinder::analyze(photos[i].labelled.path).print;
    });
    std::vector<float> same, different;
    std::map<std::pair<std::size_t, std::size_t>, std::pair<float, int>> closeScenes;
    for (std::size_t i = 0; i < photos.size(); ++i) {
        for (std::size_t j = i + 1; j < photos.size(); ++j) {
            const auto distance = SimilarPhotoFinder::distance(*prints[i], *prints[j]);
            const auto sceneA = photos[i].labelled.scene;
            const auto sceneB = photos[j].labelled.scene;
            auto& list = sceneA == sceneB ? same : different;
            list.push_back(distance.value_or(1));
            if (sceneA != sceneB && distance.value_or(1) <= 0.35f) {
                auto& close = closeScenes[{std::min(sceneA, sceneB), std::max(sceneA, sceneB)}];
                close.first = close.second == 0 ? *distance : std::min(close.first, *distance);
                ++close.second;
            }
        }
    }
    for (const auto& [scenes, close] : closeScenes) {
        std::printf("real burst: scenes %s and %s, %d pairs at or under 0.35, nearest %.3f\n",
                    sources[scenes.first - 1].c_str(), sources[scenes.second - 1].c_str(),
                    close.second, close.first);
    }
    const auto under = std::count_if(different.begin(), different.end(),
                                     [](float distance) { return distance <= 0.35f; });
    std::printf("real burst: same scene median %.3f, 99th percentile %.3f, max %.3f\n",
                percentile(same, 0.5), percentile(same, 0.99), percentile(same, 1));
    std::printf(
        "real burst: different scenes min %.3f, 0.1th percentile %.3f, 1st percentile "
        "%.3f, median %.3f; %lld of %zu at or under 0.35\n",
        percentile(different, 0), percentile(different, 0.001), percentile(different, 0.01),
        percentile(different, 0.5), static_cast<long long>(under), different.size());
    return percentile(different, 0) - percentile(same, 1);
}

// The finder's groups over the burst, scored by pairs: a pair is predicted
// alike when both photos are in one group. The colour and colourless figures
// count every pair with at least one photo of that kind.
BurstScore realBurst(const std::string& folder) {
    std::filesystem::create_directory(folder + "/real");
    const auto scenes = benchmarks::realScenes();
    const auto photos = benchmarks::writeRealBurst(folder + "/real", scenes);
    std::vector<std::string> paths;
    for (const auto& photo : photos) {
        paths.push_back(photo.labelled.path);
    }
    const auto report = SimilarPhotoFinder(searchOptions()).find(paths);
    std::map<std::string, std::size_t> groupOf;
    std::size_t largest = 0;
    for (std::size_t g = 0; g < report.groups.size(); ++g) {
        largest = std::max(largest, report.groups[g].photos().size());
        for (const auto& photo : report.groups[g].photos()) {
            groupOf[photo.path] = g;
        }
    }
    std::array<std::array<int, 3>, 3> counts{};  // all, colour, colourless × tp, fp, fn
    for (std::size_t i = 0; i < photos.size(); ++i) {
        for (std::size_t j = i + 1; j < photos.size(); ++j) {
            const auto a = groupOf.find(photos[i].labelled.path);
            const auto b = groupOf.find(photos[j].labelled.path);
            const bool predicted =
                a != groupOf.end() && b != groupOf.end() && a->second == b->second;
            const bool alike = photos[i].labelled.scene == photos[j].labelled.scene;
            if (!predicted && !alike) {
                continue;
            }
            const std::size_t outcome = predicted && alike ? 0 : predicted ? 1 : 2;
            ++counts[0][outcome];
            const bool anyColourless = photos[i].colourless || photos[j].colourless;
            const bool anyColour = !photos[i].colourless || !photos[j].colourless;
            counts[1][outcome] += anyColour ? 1 : 0;
            counts[2][outcome] += anyColourless ? 1 : 0;
        }
    }
    const auto colourless = std::count_if(scenes.begin(), scenes.end(),
                                          [](const auto& scene) { return scene.colourless; });
    std::printf(
        "real burst: %zu photos of %zu scenes (%lld without colour) in 20 minutes; %zu "
        "groups, the largest of %zu; %lld analysed, %zu unreadable\n",
        photos.size(), scenes.size(), static_cast<long long>(colourless), report.groups.size(),
        largest, static_cast<long long>(report.photosCompared), report.unreadablePaths.size());
    std::vector<std::string> sources;
    for (const auto& scene : scenes) {
        sources.push_back(scene.source);
    }
    BurstScore score;
    score.margin = printDistances(photos, sources);
    score.all = scored(counts[0][0], counts[0][1], counts[0][2]);
    score.colour = scored(counts[1][0], counts[1][1], counts[1][2]);
    score.colourless = scored(counts[2][0], counts[2][1], counts[2][2]);
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
    const auto burst = realBurst(folder.path());
    std::printf(
        "photos: per_second=%.0f group_10k=%.3f precision=%.4f recall=%.4f "
        "real_precision=%.4f real_recall=%.4f colour=%.4f/%.4f colourless=%.4f/%.4f "
        "real_margin=%.3f\n",
        rate, grouping, score.precision, score.recall, burst.all.precision, burst.all.recall,
        burst.colour.precision, burst.colour.recall, burst.colourless.precision,
        burst.colourless.recall, burst.margin);
    return 0;
}
