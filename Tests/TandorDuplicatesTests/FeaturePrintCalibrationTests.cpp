#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tandor
