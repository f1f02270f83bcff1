#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DuplicateFixtures.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorDuplicates/ContentHasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::pattern;
using testing::writeFile;

constexpr std::int64_t sampleSize = 65'536;

FileIdentity identityOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return {};
    }
    return {info.st_dev, info.st_ino};
}

std::size_t openDescriptors() {
    std::size_t count = 0;
    DIR* folder = ::opendir("/proc/self/fd");
    while (::readdir(folder) != nullptr) {
        ++count;
    }
    ::closedir(folder);
    return count;
}

class ContentHasherTest : public ::testing::Test {
  protected:
    tandor::testing::TemporaryFolder folder;
};

TEST_F(ContentHasherTest, KnownDigestsOfEmptyAndShortFiles) {
    writeFile(folder / "empty", "");
    writeFile(folder / "abc", "abc");
    const auto empty = ContentHasher::full(folder / "empty", identityOf(folder / "empty"));
    EXPECT_EQ(empty.hash, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(empty.bytesRead, 0);
    const auto abc = ContentHasher::sample(folder / "abc", identityOf(folder / "abc"), 3, 2);
    EXPECT_EQ(abc.hash, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(abc.bytesRead, 3);

    // Samples of one byte hash the first and the last byte, in that order.
    writeFile(folder / "ac", "ac");
    const auto ends = ContentHasher::sample(folder / "abc", identityOf(folder / "abc"), 3, 1);
    EXPECT_EQ(ends.hash, ContentHasher::full(folder / "ac", identityOf(folder / "ac")).hash);
    EXPECT_EQ(ends.bytesRead, 2);
}

TEST_F(ContentHasherTest, SampleBoundaries) {
    const auto whole = pattern(131'072);
    writeFile(folder / "whole", whole);
    const auto wholeSample =
        ContentHasher::sample(folder / "whole", identityOf(folder / "whole"), 131'072, sampleSize);
    EXPECT_EQ(wholeSample.bytesRead, 131'072);
    EXPECT_EQ(wholeSample.hash,
              ContentHasher::full(folder / "whole", identityOf(folder / "whole")).hash);

    auto longer = pattern(131'073);
    writeFile(folder / "a", longer);
    longer[65'536] = static_cast<char>(longer[65'536] ^ 0x55);
    writeFile(folder / "b", longer);
    const auto a =
        ContentHasher::sample(folder / "a", identityOf(folder / "a"), 131'073, sampleSize);
    const auto b =
        ContentHasher::sample(folder / "b", identityOf(folder / "b"), 131'073, sampleSize);
    EXPECT_EQ(a.bytesRead, 131'072);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_NE(ContentHasher::full(folder / "a", identityOf(folder / "a")).hash,
              ContentHasher::full(folder / "b", identityOf(folder / "b")).hash);

    // A byte changed in the last sample separates the files.
    longer[131'072] = static_cast<char>(longer[131'072] ^ 0x55);
    writeFile(folder / "c", longer);
    EXPECT_NE(
        ContentHasher::sample(folder / "c", identityOf(folder / "c"), 131'073, sampleSize).hash,
        a.hash);
}

TEST_F(ContentHasherTest, FullReadsToTheEndWhateverTheSize) {
    const auto content = pattern(3 * 1'048'576 + 1, 3);
    writeFile(folder / "big", content);
    const auto hash = ContentHasher::full(folder / "big", identityOf(folder / "big"));
    EXPECT_EQ(hash.bytesRead, static_cast<std::int64_t>(content.size()));
    EXPECT_EQ(hash.hash.size(), 64U);
    EXPECT_EQ(hash.hash.find_first_not_of("0123456789abcdef"), std::string::npos);
}

// A stop asked for while a large file is read ends the read at the next
// chunk and closes the file.
TEST_F(ContentHasherTest, FullStopsBetweenChunksWhenAsked) {
    writeFile(folder / "large", std::string(3 * ContentHasher::chunkSize, 'l'));
    std::stop_source stop;
    EXPECT_EQ(ContentHasher::full(folder / "large", identityOf(folder / "large"), stop.get_token())
                  .bytesRead,
              3 * ContentHasher::chunkSize);
    const std::size_t open = openDescriptors();
    stop.request_stop();
    EXPECT_THROW(
        ContentHasher::full(folder / "large", identityOf(folder / "large"), stop.get_token()),
        CancellationError);
    EXPECT_EQ(openDescriptors(), open);
}

TEST_F(ContentHasherTest, RefusesWhatIsNotTheExaminedRegularFileAndLeavesNothingOpen) {
    writeFile(folder / "file", "content");
    writeFile(folder / "other", "content");
    ASSERT_EQ(::symlink((folder / "file").c_str(), (folder / "link").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const auto fileIdentity = identityOf(folder / "file");
    const auto before = openDescriptors();
    const std::pair<std::string, FileIdentity> cases[] = {
        {folder / "missing", fileIdentity}, {folder / "link", identityOf(folder / "link")},
        {folder / "link", fileIdentity},    {folder / "pipe", identityOf(folder / "pipe")},
        {folder / "other", fileIdentity},   {folder.path(), identityOf(folder.path())},
    };
    for (const auto& [path, identity] : cases) {
        EXPECT_THROW(ContentHasher::full(path, identity), FileError) << path;
        EXPECT_THROW(ContentHasher::sample(path, identity, 7, 1), FileError) << path;
    }
    EXPECT_THROW(ContentHasher::sample(folder / "file", fileIdentity, 7, 0), std::invalid_argument);
    EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
}  // namespace tandor
