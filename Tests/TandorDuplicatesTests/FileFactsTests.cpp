#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DuplicateFixtures.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorDuplicates/FileFacts.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::writeFile;

class FileFactsTest : public ::testing::Test {
  protected:
    tandor::testing::TemporaryFolder folder;
};

TEST_F(FileFactsTest, ReadsTheFileItselfNeverALinkTarget) {
    writeFile(folder / "file", "12345");
    ASSERT_EQ(::link((folder / "file").c_str(), (folder / "hard").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "file").c_str(), (folder / "soft").c_str()), 0);
    const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000, 123'456'789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (folder / "file").c_str(), times, 0), 0);

    const auto file = FileFacts::read(folder / "file");
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->path, folder / "file");
    EXPECT_TRUE(file->isRegularFile);
    EXPECT_EQ(file->logicalSize, 5);
    EXPECT_FALSE(file->isDataless);
    EXPECT_FALSE(file->clone.has_value());
    // A file just written shares no extent with any other.
    EXPECT_FALSE(FileFacts::cloneInfo(folder / "file").has_value());
    EXPECT_EQ(file->modificationDate->time_since_epoch(),
              std::chrono::seconds(1'600'000'000) + std::chrono::nanoseconds(123'456'789));

    const auto hard = FileFacts::read(folder / "hard");
    ASSERT_TRUE(hard.has_value());
    EXPECT_EQ(hard->identity, file->identity);

    const auto soft = FileFacts::read(folder / "soft");
    ASSERT_TRUE(soft.has_value());
    EXPECT_FALSE(soft->isRegularFile);
    EXPECT_NE(soft->identity, file->identity);
    EXPECT_FALSE(FileFacts::cloneInfo(folder / "soft").has_value());

    const auto directory = FileFacts::read(folder.path());
    ASSERT_TRUE(directory.has_value());
    EXPECT_FALSE(directory->isRegularFile);

    EXPECT_FALSE(FileFacts::read(folder / "missing").has_value());
    EXPECT_FALSE(FileFacts::cloneInfo(folder / "missing").has_value());
}

TEST_F(FileFactsTest, DatalessComesFromTheProbeForRegularFilesOnly) {
    writeFile(folder / "file", "x");
    const auto probe = [](const std::string&) { return true; };
    EXPECT_TRUE(FileFacts::read(folder / "file", probe)->isDataless);
    EXPECT_FALSE(FileFacts::read(folder.path(), probe)->isDataless);
    EXPECT_FALSE(FileFacts::read(folder / "file")->isDataless);
}

TEST(FileFactsJSON, RecordsRoundTripAndDecodeStrictly) {
    const CloneInfo clone{0xFFFF'FFFF'FFFF'FFFFULL, -3};
    const nlohmann::json cloneValue = clone;
    EXPECT_EQ(cloneValue.dump(), R"({"cloneID":18446744073709551615,"privateSize":-3})");
    EXPECT_EQ(nlohmann::json::parse(cloneValue.dump()).get<CloneInfo>(), clone);

    const FileIdentity identity{static_cast<std::uint64_t>(-2), 42};
    EXPECT_EQ(nlohmann::json::parse(nlohmann::json(identity).dump()).get<FileIdentity>(), identity);

    for (const char* text :
         {R"({"cloneID":1})", R"({"cloneID":-1,"privateSize":0})",
          R"({"cloneID":1.5,"privateSize":0})", R"({"cloneID":"1","privateSize":0})", R"([1,2])"}) {
        EXPECT_THROW(nlohmann::json::parse(text).get<CloneInfo>(), DecodingError) << text;
    }
    EXPECT_THROW(nlohmann::json::parse(R"({"device":1})").get<FileIdentity>(), DecodingError);
}

TEST(SharedExtents, BytesNotCoveredCountOnlyPhysicalPlacesNoOtherExtentHolds) {
    struct CoverCase {
        std::vector<SharedExtent> extents;
        std::vector<SharedExtent> others;
        std::int64_t expected;
    };
    const std::vector<CoverCase> cases{
        {{{0, 100}}, {}, 100},
        {{{0, 100}}, {{0, 100}}, 0},
        {{{0, 100}}, {{200, 100}}, 100},
        {{{100, 100}}, {{50, 100}}, 50},
        {{{100, 100}}, {{120, 10}, {110, 30}, {180, 50}}, 50},
        {{{0, 50}, {1000, 50}}, {{1000, 50}, {0, 10}}, 40},
        {{{0, 4096}}, {{4096, 4096}}, 4096},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bytesNotCoveredBy(c.extents, c.others), c.expected);
    }
}

}  // namespace
}  // namespace tandor
