#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/ExifDate.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "TestSupport/TimeZone.hpp"

namespace tandor {
namespace {

using testing::PhotoFormat;
using testing::PhotoSpec;
using Code = SimilarPhotoFinder::PhotoError::Code;

Date utc(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}} +
           hours{hour} + minutes{minute} + seconds{second};
}

// Two hours east of UTC, without summer time.
const std::string twoHoursEast = "XST-2";

void setModificationDate(const std::string& path, std::time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// The bytes of a plain photo, written to folder as good.jpg.
std::string goodJPEGIn(const testing::TemporaryFolder& folder) {
    testing::writePhoto(folder / "good.jpg", PhotoSpec{});
    return testing::contentsOf(folder / "good.jpg");
}

// Writes bytes to name in folder and gives back its path.
std::string writeIn(const testing::TemporaryFolder& folder, const std::string& name,
                    const std::string& bytes) {
    testing::writeFile(folder / name, bytes);
    return folder / name;
}

Code failureOf(const std::string& path) {
    try {
        SimilarPhotoFinder::analyze(path);
    } catch (const SimilarPhotoFinder::PhotoError& error) {
        return error.code();
    }
    ADD_FAILURE() << path << " was analysed";
    return Code::noFeaturePrint;
}

TEST(ExifDate, ReadsTheExactLayoutAsLocalTime) {
    const testing::TimeZone zone(twoHoursEast);
    const std::pair<const char*, std::optional<Date>> cases[] = {
        {"2023:07:14 18:05:09", utc(2023, 7, 14, 16, 5, 9)},
        {"2023:07:14 18:05:09 (2023:07:14 18:05:09, ASCII, 20 components, 20 bytes)",
         utc(2023, 7, 14, 16, 5, 9)},
        {"2024:02:29 00:00:00", utc(2024, 2, 28, 22, 0, 0)},
        {"2023-07-14 18:05:09", std::nullopt},
        {"2023:07:14 18:05", std::nullopt},
        {"2023:07:14 18:05:09Z", std::nullopt},
        {"2023:02:30 10:00:00", std::nullopt},
        {"2023:13:01 10:00:00", std::nullopt},
        {"2023:07:14 24:00:00", std::nullopt},
        {"    :  :     :  :  ", std::nullopt},
        {"9999:12:31 23:59:59", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseExifDate(text), expected) << text;
    }
}

TEST(PhotoAnalysis, ReadsStoredSizeExifDateAndBytesAndOrientsTheThumbnail) {
    const testing::TimeZone zone(twoHoursEast);
    const testing::TemporaryFolder folder;
    PhotoSpec turned;
    turned.scene = 3;
    turned.width = 800;
    turned.height = 600;
    turned.orientation = 6;
    turned.exifDate = "2023:07:14 18:05:09";
    testing::writePhoto(folder / "turned.jpg", turned);
    PhotoSpec upright = turned;
    upright.orientation = 1;
    upright.exifDate.reset();
    testing::writePhoto(folder / "upright.png", upright);
    setModificationDate(folder / "upright.png", 1'700'000'000);

    const auto a = SimilarPhotoFinder::analyze(folder / "turned.jpg");
    EXPECT_EQ(a.photo.path, folder / "turned.jpg");
    // The size as stored, before the orientation turns it upright.
    EXPECT_EQ(a.photo.pixelWidth, 600);
    EXPECT_EQ(a.photo.pixelHeight, 800);
    EXPECT_EQ(a.photo.captureDate, utc(2023, 7, 14, 16, 5, 9));
    struct stat facts {};
    ASSERT_EQ(::stat((folder / "turned.jpg").c_str(), &facts), 0);
    EXPECT_EQ(a.photo.bytes, facts.st_blocks * 512);
    EXPECT_FALSE(a.photo.qualityScore);

    const auto b = SimilarPhotoFinder::analyze(folder / "upright.png");
    EXPECT_EQ(b.photo.pixelWidth, 800);
    EXPECT_EQ(b.photo.captureDate, std::chrono::system_clock::from_time_t(1'700'000'000));
    const auto distance = SimilarPhotoFinder::distance(*a.print, *b.print);
    ASSERT_TRUE(distance);
    EXPECT_LT(*distance, 0.1f);
}

TEST(PhotoAnalysis, HEICIsDecodedAndMatchesTheSameSceneAsJPEG) {
    const testing::TemporaryFolder folder;
    PhotoSpec spec;
    spec.scene = 11;
    spec.width = 640;
    spec.height = 480;
    testing::writePhoto(folder / "a.jpg", spec);
    spec.format = PhotoFormat::heic;
    spec.quality = 60;
    testing::writePhoto(folder / "a.heic", spec);
    spec.scene = 12;
    testing::writePhoto(folder / "other.heic", spec);

    const auto heic = SimilarPhotoFinder::analyze(folder / "a.heic");
    EXPECT_EQ(heic.photo.pixelWidth, 640);
    EXPECT_EQ(heic.photo.pixelHeight, 480);
    EXPECT_LE(SimilarPhotoFinder::distanceBetween(folder / "a.jpg", folder / "a.heic"), 0.35f);
    EXPECT_GT(SimilarPhotoFinder::distanceBetween(folder / "a.jpg", folder / "other.heic"), 0.35f);
}

TEST(PhotoAnalysis, WithoutAnyUsableDateThePhotoTakesTheDistantPast) {
    const testing::TemporaryFolder folder;
    testing::writePhoto(folder / "a.png", PhotoSpec{});
    // Year 2400: beyond what the clock holds, so it counts as no date.
    setModificationDate(folder / "a.png", 13'569'465'600);
    EXPECT_EQ(SimilarPhotoFinder::analyze(folder / "a.png").photo.captureDate,
              SimilarPhoto::distantPast);
}

TEST(PhotoAnalysis, FilesThatAreNotReadablePhotosFailAsUnreadable) {
    const testing::TemporaryFolder folder;
    const std::string jpeg = goodJPEGIn(folder);
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.jpg");

    const std::string cases[] = {
        folder / "missing.jpg",
        writeIn(folder, "text.jpg", "not a photo at all\n"),
        writeIn(folder, "empty.jpg", ""),
        writeIn(folder, "truncated.jpg", jpeg.substr(0, jpeg.size() / 2)),
        writeIn(folder, "camera.dng", jpeg),
        folder / "pipe.jpg",
        folder / "folder.jpg",
    };
    for (const auto& path : cases) {
        EXPECT_EQ(failureOf(path), Code::unreadable) << path;
    }
    EXPECT_NO_THROW(SimilarPhotoFinder::analyze(folder / "good.jpg"));
}

TEST(PhotoAnalysis, APhotoClaimingMorePixelsThanAnyCameraMakesIsUnreadable) {
    const testing::TemporaryFolder folder;
    const std::string jpeg = goodJPEGIn(folder);

    for (const auto& path : {writeIn(folder, "huge.png", testing::claimedPNG(100'000)),
                             writeIn(folder, "huge.jpg", testing::claimedJPEG(jpeg, 30'000))}) {
        EXPECT_EQ(failureOf(path), Code::unreadable) << path;
    }

    // Below the limit nothing is allocated for the claimed size either: the
    // image is decoded as a stream at an eighth of it, and what the stream
    // lacks is filled in.
    const auto claimed = SimilarPhotoFinder::analyze(
        writeIn(folder, "large.jpg", testing::claimedJPEG(jpeg, 14'000)));
    EXPECT_EQ(claimed.photo.pixelCount(), 196'000'000);
}

}  // namespace
}  // namespace tandor
