#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/OpenWithoutAccessTime.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::TemporaryFolder;
using testing::writeFile;

// A file last read ten days ago and changed five days ago: any read moves its
// access time on a mount that records them, relatime included.
void makeStaleFile(const std::string& path) {
    writeFile(path, "contents");
    const std::time_t now = ::time(nullptr);
    const timespec times[] = {{.tv_sec = now - 10 * 86'400, .tv_nsec = 0},
                              {.tv_sec = now - 5 * 86'400, .tv_nsec = 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::time_t accessTime(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_atim.tv_sec;
}

bool readsOneByte(const FileDescriptor& file) {
    char byte = 0;
    return file.get() >= 0 && ::read(file.get(), &byte, 1) == 1;
}

TEST(OpenWithoutAccessTime, ReadingLeavesTheAccessTimeAlone) {
    const TemporaryFolder folder;
    makeStaleFile(folder / "plain");
    makeStaleFile(folder / "quiet");
    const std::time_t before = accessTime(folder / "plain");

    ASSERT_TRUE(readsOneByte(FileDescriptor(::open((folder / "plain").c_str(), O_RDONLY))));
    if (accessTime(folder / "plain") == before) {
        GTEST_SKIP() << "the temporary folder's mount records no access times";
    }
    EXPECT_TRUE(readsOneByte(FileDescriptor(openWithoutAccessTime(folder / "quiet", O_RDONLY))));
    EXPECT_EQ(accessTime(folder / "quiet"), before);
}

// The kernel refuses O_NOATIME to anyone but the file's owner, and root may
// always use it, so the refusal is met in a child that gives up root first.
TEST(OpenWithoutAccessTime, AFileOfAnotherOwnerIsStillOpened) {
    const TemporaryFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    makeStaleFile(folder / "shared");
    ASSERT_EQ(::chmod((folder / "shared").c_str(), 0644), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            std::_Exit(2);
        }
        std::_Exit(readsOneByte(FileDescriptor(openWithoutAccessTime(folder / "shared", O_RDONLY)))
                       ? 0
                       : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: cannot drop privileges, 3: the file did not open";
}

}  // namespace
}  // namespace tandor
