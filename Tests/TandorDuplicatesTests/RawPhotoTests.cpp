#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::PhotoSpec;

Date localTime(int year, int month, int day, int hour) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&fields));
}

// A raw file is analysed from the preview the camera embedded when it has one
// (here a preview that shows another scene than the sensor's image, so that
// the test sees which one was read), otherwise from its own pixels, with the
// camera's size and capture time.
TEST(RawPhoto, IsAnalysedFromItsPreviewElseFromItsPixels) {
    const testing::TemporaryFolder folder;
    PhotoSpec spec;
    spec.width = 640;
    spec.height = 480;
    spec.scene = 31;
    testing::writePhoto(folder / "first.jpg", spec);
    spec.scene = 32;
    testing::writePhoto(folder / "second.jpg", spec);
    testing::writeDNG(folder / "plain.dng", folder / "first.jpg", "", "2024:05:01 10:00:00");
    testing::writeDNG(folder / "previewed.NEF", folder / "second.jpg", folder / "first.jpg",
                      "2024:05:01 10:00:00");

    for (const char* name : {"plain.dng", "previewed.NEF"}) {
        const auto raw = SimilarPhotoFinder::analyze(folder / name);
        EXPECT_EQ(raw.photo.pixelWidth, 640) << name;
        EXPECT_EQ(raw.photo.pixelHeight, 480) << name;
        EXPECT_EQ(raw.photo.captureDate, localTime(2024, 5, 1, 10)) << name;
        EXPECT_LE(SimilarPhotoFinder::distanceBetween(folder / "first.jpg", folder / name), 0.35f)
            << name;
        EXPECT_GT(SimilarPhotoFinder::distanceBetween(folder / "second.jpg", folder / name), 0.35f)
            << name;
    }
}

TEST(RawPhoto, DamagedRawFilesAreUnreadable) {
    const testing::TemporaryFolder folder;
    testing::writePhoto(folder / "photo.jpg", PhotoSpec{});
    testing::writeDNG(folder / "whole.dng", folder / "photo.jpg", folder / "photo.jpg",
                      "2024:05:01 10:00:00");
    const std::string bytes = testing::contentsOf(folder / "whole.dng");
    const std::pair<const char*, std::string> cases[] = {
        {"header.dng", bytes.substr(0, 64)},
        {"half.dng", bytes.substr(0, bytes.size() / 2)},
        {"noise.cr2", std::string(4096, '\x5a')},
    };
    for (const auto& [name, content] : cases) {
        std::ofstream(folder / name, std::ios::binary) << content;
        EXPECT_THROW(SimilarPhotoFinder::analyze(folder / name), SimilarPhotoFinder::PhotoError)
            << name;
    }
}

}  // namespace
}  // namespace tandor
