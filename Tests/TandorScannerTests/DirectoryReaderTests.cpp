#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>

#include "ScannerTestSupport.hpp"
#include "TandorScanner/BulkDirectoryReader.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/FolderDescriptor.hpp"
#include "TandorScanner/LstatDirectoryReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::makeFolder;
using testing::TemporaryFolder;
using ::testing::UnorderedElementsAre;
using testing::writeFile;

std::vector<std::string> namesOf(const DirectoryListing& listing) {
    std::vector<std::string> names;
    for (const auto& entry : listing.entries) {
        names.push_back(entry.name);
    }
    return names;
}

const ScanEntry& entryNamed(const DirectoryListing& listing, const std::string& name) {
    const auto found = std::find_if(listing.entries.begin(), listing.entries.end(),
                                    [&](const ScanEntry& entry) { return entry.name == name; });
    if (found == listing.entries.end()) {
        throw std::runtime_error("no entry " + name);
    }
    return *found;
}

class BothReaders : public ::testing::TestWithParam<bool> {
  protected:
    std::unique_ptr<DirectoryReader> reader() const {
        return DirectoryScanner::standardReader(GetParam());
    }
};

INSTANTIATE_TEST_SUITE_P(Readers, BothReaders, ::testing::Values(true, false),
                         [](const auto& instance) { return instance.param ? "statx" : "lstat"; });

TEST_P(BothReaders, ListsEntriesWithTheirOwnAttributesNeverFollowingLinks) {
    TemporaryFolder folder;
    writeFile(folder / "data.bin", 10'000);
    makeFolder(folder / "sub");
    writeFile(folder / "sub/inner", 100'000);
    ASSERT_EQ(::symlink("sub", (folder / "link").c_str()), 0);
    writeFile(folder / "caf\xE9\xFF.txt", 1);

    const auto listing = reader()->list(folder.path());
    ASSERT_TRUE(listing);
    EXPECT_THAT(namesOf(*listing),
                UnorderedElementsAre("data.bin", "sub", "link", "caf\xE9\xFF.txt"));
    const std::uint64_t device = testing::deviceOf(folder.path());
    EXPECT_EQ(listing->device, device);

    const ScanEntry& data = entryNamed(*listing, "data.bin");
    const auto info = FileInfo::read(folder / "data.bin");
    EXPECT_FALSE(data.isDirectory);
    EXPECT_EQ(data.device, device);
    EXPECT_EQ(data.inode, info->inode);
    EXPECT_EQ(data.linkCount, 1U);
    EXPECT_EQ(data.logicalSize, 10'000);
    EXPECT_EQ(data.allocatedSize, info->allocatedSize);
    EXPECT_EQ(data.modificationDate, info->modificationDate);
    EXPECT_TRUE(data.accessDate);
    EXPECT_FALSE(data.privateSize || data.cloneID);

    const ScanEntry& link = entryNamed(*listing, "link");
    EXPECT_FALSE(link.isDirectory);
    EXPECT_EQ(link.logicalSize, 3) << "the link's own length, not its folder's";
    EXPECT_TRUE(entryNamed(*listing, "sub").isDirectory);
}

TEST_P(BothReaders, CannotListALinkAFileOrAMissingPath) {
    TemporaryFolder folder;
    makeFolder(folder / "sub");
    ASSERT_EQ(::symlink("sub", (folder / "link").c_str()), 0);
    writeFile(folder / "file");
    for (const char* name : {"link", "file", "missing"}) {
        EXPECT_FALSE(reader()->list(folder / name)) << name;
    }
}

TEST_P(BothReaders, ListsBelowAnOpenFolderWithoutFollowingAnyLink) {
    TemporaryFolder folder;
    makeFolder(folder / "real");
    makeFolder(folder / "real/inner");
    writeFile(folder / "real/inner/file");
    ASSERT_EQ(::symlink("real", (folder / "link").c_str()), 0);
    ASSERT_EQ(::symlink("inner", (folder / "real/innerLink").c_str()), 0);
    const FolderDescriptor base = FolderDescriptor::open(folder.path());
    const std::pair<const char*, bool> cases[] = {
        {"real/inner", true},      {"real", true},
        {"link", false},           {"link/inner", false},
        {"real/innerLink", false}, {"real/inner/file", false},
    };
    for (const auto& [relative, listed] : cases) {
        const auto listing = reader()->listBelow(base, relative, folder / relative);
        EXPECT_EQ(listing.has_value(), listed) << relative;
    }

    const auto real = reader()->listBelow(base, "real", folder / "real");
    ASSERT_TRUE(real->folder) << "it holds a subfolder, opened from it next";
    const auto inner = reader()->listBelow(*real->folder, "inner", folder / "real/inner");
    ASSERT_TRUE(inner);
    EXPECT_THAT(namesOf(*inner), ::testing::ElementsAre("file"));
    EXPECT_FALSE(inner->folder) << "nothing to open below it";
}

TEST_P(BothReaders, ListsTheRootFolderWithoutDotEntries) {
    const auto listing = reader()->list("/");
    ASSERT_TRUE(listing);
    const auto names = namesOf(*listing);
    EXPECT_THAT(names, ::testing::Contains("tmp"));
    EXPECT_THAT(names, ::testing::Not(::testing::Contains(".")));
    EXPECT_THAT(names, ::testing::Not(::testing::Contains("..")));
}

TEST(BulkDirectoryReader, GivesAFolderEntryNoSizes) {
    TemporaryFolder folder;
    makeFolder(folder / "sub");
    const auto listing = BulkDirectoryReader().list(folder.path());
    ASSERT_TRUE(listing);
    EXPECT_EQ(entryNamed(*listing, "sub").allocatedSize, 0);
    EXPECT_EQ(entryNamed(*listing, "sub").logicalSize, 0);
}

// One scripted answer of the getdents64 call: records for names, or an error.
struct Step {
    std::vector<std::string> names;
    int error = 0;
};

// Lays out getdents64 records the way the kernel does.
ssize_t writeRecords(const std::vector<std::string>& names, void* buffer) {
    auto* out = static_cast<char*>(buffer);
    std::size_t at = 0;
    for (const auto& name : names) {
        const std::size_t length = (19 + name.size() + 1 + 7) / 8 * 8;
        std::memset(out + at, 0, length);
        const std::uint64_t inode = 1;
        const auto recordLength = static_cast<std::uint16_t>(length);
        std::memcpy(out + at, &inode, sizeof inode);
        std::memcpy(out + at + 16, &recordLength, sizeof recordLength);
        std::memcpy(out + at + 19, name.c_str(), name.size() + 1);
        at += length;
    }
    return static_cast<ssize_t>(at);
}

BulkDirectoryReader scriptedReader(std::vector<Step> steps) {
    auto remaining = std::make_shared<std::deque<Step>>(steps.begin(), steps.end());
    return BulkDirectoryReader([remaining](int, void* buffer, std::size_t) -> ssize_t {
        if (remaining->empty()) {
            return 0;
        }
        const Step step = remaining->front();
        remaining->pop_front();
        if (step.error != 0) {
            errno = step.error;
            return -1;
        }
        return writeRecords(step.names, buffer);
    });
}

TEST(BulkDirectoryReader, MapsReadErrorsOntoTheListing) {
    TemporaryFolder folder;
    for (const char* name : {"a", "b", "c"}) {
        writeFile(folder / name);
    }
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::optional<std::vector<std::string>> names;
    };
    const std::vector<Case> cases = {
        {"interrupted calls are repeated",
         {{{}, EINTR}, {{"a"}}, {{}, EINTR}, {{"b"}}},
         std::vector<std::string>{"a", "b"}},
        {"a refusal gives nothing", {{{}, EACCES}}, std::nullopt},
        {"a refusal after entries gives nothing", {{{"a"}}, {{}, EPERM}}, std::nullopt},
        {"another error after entries keeps them",
         {{{"a", "b"}}, {{}, EIO}},
         std::vector<std::string>{"a", "b"}},
        {"another error before any entry falls back",
         {{{}, EIO}},
         std::vector<std::string>{"a", "b", "c"}},
        {"a name that vanished is left out",
         {{{"a", "gone", ".", "..", "c"}}},
         std::vector<std::string>{"a", "c"}},
    };
    for (const auto& c : cases) {
        const auto listing = scriptedReader(c.steps).list(folder.path());
        ASSERT_EQ(listing.has_value(), c.names.has_value()) << c.what;
        if (listing) {
            auto names = namesOf(*listing);
            std::sort(names.begin(), names.end());
            EXPECT_EQ(names, *c.names) << c.what;
        }
    }
}

// Root reads any folder, so the refusal is checked in a child process that
// gives up its privileges first. The child walks without worker threads.
TEST(DirectoryReaders, AFolderWithoutPermissionIsNotListedAndNotFatal) {
    TemporaryFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    makeFolder(folder / "locked");
    writeFile(folder / "locked/secret", 10);
    writeFile(folder / "open", 10);
    ASSERT_EQ(::chmod((folder / "locked").c_str(), 0), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            std::_Exit(2);
        }
        if (BulkDirectoryReader().list(folder / "locked") ||
            LstatDirectoryReader().list(folder / "locked")) {
            std::_Exit(3);
        }
        for (const bool bulk : {true, false}) {
            const auto result =
                DirectoryScanner(testing::keepEverything(bulk, 0)).scan(folder.path());
            if (result.inaccessiblePaths != std::vector{folder / "locked"} ||
                result.root->fileCount() != 1) {
                std::_Exit(4);
            }
        }
        std::_Exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: cannot drop privileges, 3: a reader listed the "
                                         "folder, 4: the scan did not record it";
}

}  // namespace
}  // namespace tandor
