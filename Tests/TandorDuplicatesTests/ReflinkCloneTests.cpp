#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "DuplicateFixtures.hpp"
#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::pattern;
using testing::writeFile;

// The shell's answer to command, quiet; true on success.
bool runs(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string shellWord(const std::string& path) {
    return "'" + path + "'";
}

// A small btrfs made in an image file and mounted through a loop device: the
// file system where copies can share their blocks. Mounting needs root and a
// loop device; failure() says why it could not be made.
class BtrfsImage {
  public:
    explicit BtrfsImage(const std::string& folder)
        : image_(folder + "/btrfs.img"), mountPoint_(folder + "/mnt") {
        std::filesystem::create_directories(mountPoint_);
        if (::geteuid() != 0) {
            failure_ = "mounting needs root";
        } else if (!runs("command -v mkfs.btrfs")) {
            failure_ = "mkfs.btrfs is missing (scripts/setup installs btrfs-progs)";
        } else if (!runs("truncate -s 160M " + shellWord(image_) + " && mkfs.btrfs -q " +
                         shellWord(image_))) {
            failure_ = "mkfs.btrfs failed";
        } else if (!runs("mount -o loop " + shellWord(image_) + " " + shellWord(mountPoint_))) {
            failure_ = "mounting the image through a loop device is not permitted here";
        }
    }
    BtrfsImage(const BtrfsImage&) = delete;
    BtrfsImage& operator=(const BtrfsImage&) = delete;
    ~BtrfsImage() {
        if (!failure_) {
            ::umount2(mountPoint_.c_str(), MNT_DETACH);
        }
    }

    const std::optional<std::string>& failure() const { return failure_; }
    std::string operator/(const std::string& relative) const {
        return mountPoint_ + "/" + relative;
    }

  private:
    std::string image_;
    std::string mountPoint_;
    std::optional<std::string> failure_;
};

class ReflinkCloneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (disk_.failure()) {
            GTEST_SKIP() << "no btrfs image for clone facts: " << *disk_.failure();
        }
        ASSERT_TRUE(runs("btrfs subvolume create " + shellWord(disk_ / "vol")));
    }

    // Writes content to path and puts it on the disk, so that its extents have
    // their physical places.
    static void writeSynced(const std::string& path, const std::string& content) {
        writeFile(path, content);
        ASSERT_TRUE(runs("sync " + shellWord(path)));
    }

    static DuplicateReport find(const std::vector<std::string>& paths) {
        const DuplicateOptions options{
            1, PathFilter({}, true, PathFilter::defaultSkippedFolderNames(), {}), 4'096, {}};
        return DuplicateFinder(options).find(paths);
    }

    tandor::testing::TemporaryFolder folder_;
    BtrfsImage disk_{folder_.path()};
};

TEST_F(ReflinkCloneTest, ReflinkedCopiesAreClonesThatShareTheirSpace) {
    const auto original = disk_ / "vol/original";
    const auto copy = disk_ / "vol/copy";
    const auto edited = disk_ / "vol/edited";
    writeSynced(original, pattern(1'048'576, 1));
    ASSERT_TRUE(runs("cp --reflink=always " + shellWord(original) + " " + shellWord(copy)));
    ASSERT_TRUE(runs("cp --reflink=always " + shellWord(original) + " " + shellWord(edited)));
    // The edited copy gets a new first block of the same bytes: it shares
    // all but that block and gets a clone id of its own.
    ASSERT_TRUE(runs("dd if=" + shellWord(original) + " of=" + shellWord(edited) +
                     " bs=4096 count=1 conv=notrunc,fsync"));

    const auto originalClone = FileFacts::cloneInfo(original);
    const auto copyClone = FileFacts::cloneInfo(copy);
    ASSERT_TRUE(originalClone && copyClone);
    EXPECT_EQ(originalClone->cloneID, copyClone->cloneID);
    EXPECT_EQ(copyClone->privateSize, 0);
    const auto editedClone = FileFacts::cloneInfo(edited);
    ASSERT_TRUE(editedClone);
    EXPECT_NE(editedClone->cloneID, originalClone->cloneID);
    EXPECT_EQ(editedClone->privateSize, 4'096);

    const auto report = find({original, copy, edited});
    EXPECT_TRUE(report.groups().empty());
    ASSERT_EQ(report.cloneGroups().size(), 1U);
    EXPECT_EQ(report.cloneGroups().front().files().size(), 3U);
}

TEST_F(ReflinkCloneTest, CopiesSharingOnlyWithASnapshotAreNotClonesOfEachOther) {
    const auto first = disk_ / "vol/first";
    const auto second = disk_ / "vol/second";
    const auto content = pattern(1'048'576, 2);
    writeSynced(first, content);
    writeSynced(second, content);
    ASSERT_TRUE(runs("btrfs subvolume snapshot " + shellWord(disk_ / "vol") + " " +
                     shellWord(disk_ / "snapshot")));

    const auto firstClone = FileFacts::cloneInfo(first);
    const auto secondClone = FileFacts::cloneInfo(second);
    ASSERT_TRUE(firstClone && secondClone) << "each copy shares its blocks with the snapshot";
    EXPECT_NE(firstClone->cloneID, secondClone->cloneID);

    const auto report = find({first, second});
    EXPECT_TRUE(report.cloneGroups().empty());
    ASSERT_EQ(report.groups().size(), 1U);
    EXPECT_EQ(report.groups().front().reclaimableBytes(), 1'048'576);
}

}  // namespace
}  // namespace tandor
