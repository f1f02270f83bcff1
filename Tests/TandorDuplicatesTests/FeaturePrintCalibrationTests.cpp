#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

// Shots of one generated scene (recropped, shifted, re-encoded, resized, 10 %
// brighter or darker, its subject moved) must fall at or below the search's
// threshold of 0.35, shots of different scenes above it, including scenes that
// share their background.
TEST(FeaturePrintCalibration, SeparatesShotsOfOneSceneFromOtherScenesAtThreshold) {
    const testing::TemporaryFolder folder;
    testing::LabelledSetOptions set;
    set.families = 4;
    set.scenesPerFamily = 2;
    set.shotsPerScene = 3;
    set.width = 400;
    set.height = 300;
    const auto photos = testing::writeLabelledSet(folder.path(), set);

    std::vector<SimilarPhotoFinder::Analyzed> analyzed;
    for (const auto& photo : photos) {
        analyzed.push_back(SimilarPhotoFinder::analyze(photo.path));
    }
    const auto score = testing::scorePairs(photos, 0.35f, [&](std::size_t i, std::size_t j) {
        return SimilarPhotoFinder::distance(*analyzed[i].print, *analyzed[j].print);
    });
    EXPECT_GE(score.precision, 0.95) << score.falsePositives << " false positives";
    EXPECT_GE(score.recall, 0.95) << score.falseNegatives << " false negatives";
}

using Scene = std::function<double(double x, double y)>;

// A deterministic pseudo-random level in [-1, 1] for integer coordinates.
double grain(int x, int y) {
    auto bits =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    bits = (bits ^ (bits >> 13)) * 1274126177u;
    return static_cast<double>(bits & 0xFFFF) / 32767.5 - 1;
}

// A wall of staggered bricks, across × down in the frame, each brick's shade
// varying by up to shade levels, seen from left onwards.
Scene brickWall(int across, int down, double shade, double left) {
    return [=](double x, double y) {
        const int row = static_cast<int>(std::floor(y * down));
        const double shifted = (x + left) * across + (row % 2 == 0 ? 0 : 0.5);
        const int column = static_cast<int>(std::floor(shifted));
        const bool mortar = shifted - column < 0.06 || y * down - row < 0.12;
        return mortar ? 70 : 150 + shade * grain(column, row);
    };
}

// Daylight over a grey scene: bright at the top, dark at the bottom, with a
// fine pattern of its own on top.
Scene underTheSameLight(const std::function<double(double, double)>& pattern) {
    return [pattern](double x, double y) { return 210 - 150 * y + 30 * pattern(x, y); };
}

struct Case {
    const char* what;
    Scene first, second;
    bool alike;
};

// Grey photos and repeating textures, where the brightness layout alone says
// little: a panned wall is still one shot, and two grey scenes of one light but
// of different things are not.
TEST(FeaturePrintCalibration, JudgesGreyScenesAndTexturesByTheirStructure) {
    const auto fence = [](double x, double) { return std::sin(x * 60 * std::numbers::pi); };
    const auto ripples = [](double, double y) { return std::sin(y * 60 * std::numbers::pi); };
    const Case cases[] = {
        {"a weathered brick wall and the same wall panned by 4 %", brickWall(15, 40, 25, 0),
         brickWall(15, 40, 25, 0.04), true},
        {"a fence and a lake under the same light", underTheSameLight(fence),
         underTheSameLight(ripples), false},
        {"a fence and the same fence 8 % brighter", underTheSameLight(fence),
         [fence](double x, double y) { return 1.08 * underTheSameLight(fence)(x, y); }, true},
    };
    const testing::TemporaryFolder folder;
    for (const auto& c : cases) {
        testing::writeGreyPhoto(folder.path() + "/first.jpg", 600, 450, c.first);
        testing::writeGreyPhoto(folder.path() + "/second.jpg", 600, 450, c.second);
        const float distance = SimilarPhotoFinder::distanceBetween(folder.path() + "/first.jpg",
                                                                   folder.path() + "/second.jpg");
        EXPECT_EQ(distance <= 0.35f, c.alike) << c.what << ": " << distance;
    }
}

}  // namespace
}  // namespace tandor
