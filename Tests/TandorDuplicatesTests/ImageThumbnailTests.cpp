#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "PhotoFixture.hpp"
#include "TandorDuplicates/ImageThumbnail.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::PhotoFormat;
using testing::PhotoSpec;

TEST(ImageThumbnail, FitsTheUprightImageInTheBoxWithoutScalingUp) {
    const testing::TemporaryFolder folder;
    PhotoSpec turned;
    turned.width = 1200;
    turned.height = 800;
    turned.orientation = 6;
    testing::writePhoto(folder / "turned.jpg", turned);
    PhotoSpec small;
    small.width = 300;
    small.height = 200;
    small.format = PhotoFormat::png;
    // A name that is not UTF-8 is still a path to read.
    testing::writePhoto(folder / "small-\xff.png", small);

    const auto fitted = ImageThumbnail::decode(folder / "turned.jpg", 960, 600);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->width, 900);
    EXPECT_EQ(fitted->height, 600);
    ASSERT_EQ(fitted->rgba.size(), std::size_t{900} * 600 * 4);
    EXPECT_EQ(fitted->rgba[3], 255);

    const auto kept = ImageThumbnail::decode(folder / "small-\xff.png", 960, 600);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->width, 300);
    EXPECT_EQ(kept->height, 200);
}

TEST(ImageThumbnail, HostileFilesGiveNothingAndBlockNothing) {
    const testing::TemporaryFolder folder;
    testing::writePhoto(folder / "good.jpg", PhotoSpec{});
    const std::string jpeg = testing::contentsOf(folder / "good.jpg");
    const auto write = [&](const std::string& name, const std::string& bytes) {
        testing::writeFile(folder / name, bytes);
        return folder / name;
    };
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.jpg");
    std::filesystem::create_symlink(folder / "good.jpg", folder / "link.jpg");

    const std::string cases[] = {
        folder / "missing.jpg",
        folder / "pipe.jpg",
        folder / "zero.jpg",
        folder / "link.jpg",
        write("empty.jpg", ""),
        write("text.jpg", "not an image\n"),
        write("truncated.jpg", jpeg.substr(0, jpeg.size() / 2)),
        write("huge.png", testing::claimedPNG(100'000)),
        write("huge.jpg", testing::claimedJPEG(jpeg, 30'000)),
    };
    for (const auto& path : cases) {
        EXPECT_FALSE(ImageThumbnail::decode(path, 960, 600)) << path;
    }
    EXPECT_TRUE(ImageThumbnail::decode(folder / "good.jpg", 960, 600));
}

}  // namespace
}  // namespace tandor
