// Scans of real folders built by each test, through both readers.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ScannerTestSupport.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::keepEverything;
using testing::makeFolder;
using testing::TemporaryFolder;
using ::testing::UnorderedElementsAre;
using testing::writeFile;

class DiskScan : public ::testing::TestWithParam<bool> {
  protected:
    ScanOptions options() const { return keepEverything(GetParam()); }
    ScanResult scan(const std::string& root) const {
        return DirectoryScanner(options()).scan(root);
    }

    TemporaryFolder folder_;
};

INSTANTIATE_TEST_SUITE_P(Readers, DiskScan, ::testing::Values(true, false),
                         [](const auto& instance) { return instance.param ? "statx" : "lstat"; });

TEST_P(DiskScan, CountsAHardLinkedFileOnce) {
    makeFolder(folder_ / "sub");
    writeFile(folder_ / "one", 300'000);
    ASSERT_EQ(::link((folder_ / "one").c_str(), (folder_ / "two").c_str()), 0);
    ASSERT_EQ(::link((folder_ / "one").c_str(), (folder_ / "sub/three").c_str()), 0);
    const std::int64_t size = FileInfo::read(folder_ / "one")->allocatedSize;

    const auto result = scan(folder_.path());
    EXPECT_EQ(result.skippedHardLinks, 2);
    EXPECT_EQ(result.root->allocatedSize(), size);
    EXPECT_EQ(result.root->logicalSize(), 300'000);
    EXPECT_EQ(result.root->fileCount(), 3);
    EXPECT_EQ(result.method, GetParam() ? "statx" : "lstat");
}

TEST_P(DiskScan, NeverFollowsASymbolicLink) {
    makeFolder(folder_ / "real");
    writeFile(folder_ / "real/data", 200'000);
    ASSERT_EQ(::symlink("real", (folder_ / "toFolder").c_str()), 0);
    ASSERT_EQ(::symlink(".", (folder_ / "loop").c_str()), 0);

    const auto result = scan(folder_.path());
    const auto link = result.root->nodeAt(folder_ / "toFolder");
    ASSERT_TRUE(link);
    EXPECT_FALSE(link->isDirectory());
    EXPECT_EQ(link->logicalSize(), 4);
    EXPECT_EQ(result.root->fileCount(), 3);

    const auto linkRoot = scan(folder_ / "toFolder");
    EXPECT_FALSE(linkRoot.root->isDirectory());
    EXPECT_TRUE(linkRoot.root->children().empty());
    EXPECT_EQ(linkRoot.root->fileCount(), 1);
    EXPECT_EQ(linkRoot.root->logicalSize(), 4) << "the link's own size";
    EXPECT_TRUE(linkRoot.inaccessiblePaths.empty());
}

TEST_P(DiskScan, SkipsExcludedPathsButNeverTheRoot) {
    makeFolder(folder_ / "skip");
    writeFile(folder_ / "skip/big", 100'000);
    makeFolder(folder_ / "keep");
    writeFile(folder_ / "keep/kept", 10);
    writeFile(folder_ / "keep/dropped", 100'000);

    ScanOptions options(true, std::nullopt, 0,
                        {folder_ / "skip/", folder_ / "keep/./dropped", folder_.path()}, 3,
                        GetParam(), {});
    const auto result = DirectoryScanner(options).scan(folder_.path());
    EXPECT_THAT(
        [&] {
            std::vector<std::string> paths;
            result.root->forEach([&](const FileNodePtr& node) { paths.push_back(node->path()); });
            return paths;
        }(),
        ElementsAre(folder_.path(), folder_ / "keep", folder_ / "keep/kept"));
    EXPECT_EQ(result.root->fileCount(), 1);
}

TEST_P(DiskScan, KeepsNamesThatAreNotUTF8AsTheirBytes) {
    const std::string odd = "caf\xE9";
    const std::string broken = "\xFF\xFE-\xC3";
    makeFolder(folder_ / odd);
    writeFile(folder_ / odd + "/" + broken, 5);

    const auto result = scan(folder_.path());
    const auto node = result.root->nodeAt(folder_ / odd + "/" + broken);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->name(), broken);
    EXPECT_EQ(FileInfo::read(node->path())->logicalSize, 5) << "the path names the real file";
}

TEST_P(DiskScan, ThrowsOnlyWhenTheRootCannotBeExamined) {
    try {
        scan(folder_ / "missing/");
        FAIL() << "a missing root must throw";
    } catch (const ScanError& error) {
        EXPECT_EQ(error.kind(), ScanError::Kind::cannotRead);
        EXPECT_EQ(error.description(), "Cannot read " + folder_ / "missing");
    }

    writeFile(folder_ / "plain", 3000);
    std::int64_t reports = 0;
    const auto file = DirectoryScanner(options()).scan(folder_ / "plain",
                                                       [&](const ScanProgress&) { ++reports; });
    EXPECT_FALSE(file.root->isDirectory());
    EXPECT_EQ(file.root->logicalSize(), 3000);
    EXPECT_EQ(file.root->name(), "plain");
    EXPECT_EQ(reports, 0);
}

TEST_P(DiskScan, RecordsAFolderThatVanishesAfterItsParentWasListed) {
    makeFolder(folder_ / "gone");
    writeFile(folder_ / "gone/inside", 10);
    writeFile(folder_ / "stays", 10);
    // Removes the folder right after its parent was listed, before the walk
    // gets to it.
    struct Vanishing final : DirectoryReader {
        Vanishing(std::unique_ptr<DirectoryReader> inner, std::string parent, std::string victim)
            : inner(std::move(inner)), parent(std::move(parent)), victim(std::move(victim)) {}
        std::optional<DirectoryListing> list(const std::string& folder) const override {
            auto listing = inner->list(folder);
            if (folder == parent) {
                std::filesystem::remove_all(victim);
            }
            return listing;
        }
        std::unique_ptr<DirectoryReader> inner;
        std::string parent;
        std::string victim;
    };
    const Vanishing reader(DirectoryScanner::standardReader(GetParam()), folder_.path(),
                           folder_ / "gone");
    const auto result = testing::scannerWith(reader, options()).scan(folder_.path());
    EXPECT_THAT(result.inaccessiblePaths, ElementsAre(folder_ / "gone"));
    EXPECT_EQ(result.root->fileCount(), 1);
}

TEST_P(DiskScan, NeverFollowsAFolderSwappedForALinkAfterItWasListed) {
    makeFolder(folder_ / "root");
    makeFolder(folder_ / "root/a");
    makeFolder(folder_ / "root/a/inner");
    writeFile(folder_ / "root/a/inner/inside", 10);
    // Enough files for a progress report, which comes after a is listed and
    // before its subfolder is opened: the moment to swap a for a link.
    for (int i = 0; i < 5000; ++i) {
        writeFile(folder_ / "root/a/f" + std::to_string(i));
    }
    makeFolder(folder_ / "elsewhere");
    makeFolder(folder_ / "elsewhere/inner");
    writeFile(folder_ / "elsewhere/inner/secret", 10);
    const auto swap = [&](const ScanProgress&) {
        ASSERT_EQ(::rename((folder_ / "root/a").c_str(), (folder_ / "moved").c_str()), 0);
        ASSERT_EQ(::symlink((folder_ / "elsewhere").c_str(), (folder_ / "root/a").c_str()), 0);
    };

    const auto result = DirectoryScanner(options()).scan(folder_ / "root", swap);
    EXPECT_FALSE(result.root->nodeAt(folder_ / "root/a/inner/secret")) << "read through the link";
    EXPECT_TRUE(result.root->nodeAt(folder_ / "root/a/inner/inside"))
        << "the folder that was listed, wherever it went";
    EXPECT_EQ(result.root->fileCount(), 5001);
    EXPECT_TRUE(result.inaccessiblePaths.empty());
}

TEST_P(DiskScan, ScansAFolderOfAHundredThousandEntries) {
    makeFolder(folder_ / "crowd");
    const int crowd = ::open((folder_ / "crowd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(crowd, 0);
    for (int i = 0; i < 100'000; ++i) {
        const int file = ::openat(crowd, ("file-" + std::to_string(i)).c_str(),
                                  O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(file, 0);
        ::close(file);
    }
    ::close(crowd);
    const auto result = scan(folder_.path());
    EXPECT_EQ(result.root->fileCount(), 100'000);
    EXPECT_EQ(result.root->nodeAt(folder_ / "crowd")->children().size(), 100'000U);
}

// A chain of folders deeper than the longest path the kernel takes in one call.
class DeepChain {
  public:
    static constexpr int depth = 2000;
    static constexpr const char* name = "dir";

    explicit DeepChain(const std::string& base) : base_(base) {
        int current = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int level = 0; level < depth && current >= 0; ++level) {
            ::mkdirat(current, name, 0755);
            const int next = ::openat(current, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(current);
            current = next;
        }
        if (current >= 0) {
            ::close(::openat(current, "bottom", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
            ::close(current);
        }
    }
    DeepChain(const DeepChain&) = delete;
    DeepChain& operator=(const DeepChain&) = delete;
    // Removed level by level: a path this long is beyond the usual helpers.
    ~DeepChain() {
        std::vector<int> levels{::open(base_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
        while (levels.back() >= 0 && static_cast<int>(levels.size()) <= depth) {
            levels.push_back(::openat(levels.back(), name, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        }
        if (levels.back() >= 0) {
            ::unlinkat(levels.back(), "bottom", 0);
        }
        for (std::size_t i = levels.size() - 1; i > 0; --i) {
            if (levels[i] >= 0) {
                ::close(levels[i]);
            }
            ::unlinkat(levels[i - 1], name, AT_REMOVEDIR);
        }
        ::close(levels.front());
    }

  private:
    std::string base_;
};

TEST_P(DiskScan, ScansAFolderChainTwoThousandDeep) {
    makeFolder(folder_ / "deep");
    makeFolder(folder_ / "shallow");
    const DeepChain chain(folder_ / "deep");

    const auto result = scan(folder_.path());
    EXPECT_TRUE(result.inaccessiblePaths.empty());
    EXPECT_EQ(result.root->fileCount(), 1);
    int levels = 0;
    FileNodePtr node = result.root->nodeAt(folder_ / "deep");
    while (node && !node->children().empty()) {
        node = node->children().front();
        ++levels;
    }
    EXPECT_EQ(levels, DeepChain::depth + 1);
    EXPECT_EQ(node->name(), "bottom");
    EXPECT_GT(node->path().size(), 4096U);
}

}  // namespace
}  // namespace tandor
