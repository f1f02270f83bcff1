// The disk access decision on a fake reading test, and the reading test on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "TandorSystem/FullDiskAccess.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using FullDiskAccess::Status;
using ::testing::ElementsAre;

TEST(FullDiskAccess, DecidesFromTheFirstReadablePlace) {
    struct Case {
        std::map<std::string, std::optional<bool>> places;
        Status status;
        std::vector<std::string> tested;
    };
    const std::vector<std::string> probes{"a", "b", "c"};
    const std::vector<Case> cases{
        {{}, Status::unknown, {"a", "b", "c"}},
        {{{"a", true}}, Status::granted, {"a"}},
        {{{"a", false}, {"c", true}}, Status::granted, {"a", "b", "c"}},
        {{{"a", false}, {"b", false}}, Status::denied, {"a", "b", "c"}},
        {{{"b", false}}, Status::denied, {"a", "b", "c"}},
    };
    for (const auto& testCase : cases) {
        std::vector<std::string> tested;
        const auto status =
            FullDiskAccess::status(probes, [&](const std::string& path) -> std::optional<bool> {
                tested.push_back(path);
                const auto found = testCase.places.find(path);
                return found == testCase.places.end() ? std::nullopt : found->second;
            });
        EXPECT_EQ(status, testCase.status);
        EXPECT_EQ(tested, testCase.tested);
    }
    EXPECT_EQ(FullDiskAccess::status({}, [](const std::string&) { return true; }), Status::unknown);
}

TEST(FullDiskAccess, ProbesFourHomePlacesThenTheSystemDatabase) {
    EXPECT_THAT(
        FullDiskAccess::probePaths("/home/ann/"),
        ElementsAre("/home/ann//Library/Safari", "/home/ann//Library/Mail",
                    "/home/ann//Library/Messages", "/home/ann//Library/Containers/com.apple.stocks",
                    "/Library/Application Support/com.apple.TCC/TCC.db"));
    EXPECT_EQ(FullDiskAccess::settingsURL(), std::nullopt);
    EXPECT_EQ(FullDiskAccess::statusFromRawValue("denied"), Status::denied);
    EXPECT_EQ(FullDiskAccess::statusFromRawValue("Denied"), std::nullopt);
    EXPECT_EQ(FullDiskAccess::rawValue(Status::unknown), "unknown");
}

TEST(FullDiskAccess, ReadsPlacesAsWhatTheyAreOnDisk) {
    testing::TemporaryFolder folder;
    std::filesystem::create_directory(folder / "empty");
    std::ofstream(folder / "file") << "x";
    ASSERT_EQ(::symlink("missing", (folder / "dangling").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);

    // Even root cannot open a socket for reading.
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const auto socketPath = folder / "socket";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size());
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    EXPECT_EQ(FullDiskAccess::canRead(folder / "missing"), std::nullopt);
    EXPECT_EQ(FullDiskAccess::canRead(folder / "dangling"), std::nullopt);
    EXPECT_EQ(FullDiskAccess::canRead(folder / "empty"), true);
    EXPECT_EQ(FullDiskAccess::canRead(folder / "file"), true);
    EXPECT_EQ(FullDiskAccess::canRead(folder / "pipe"), true) << "opened without waiting";
    EXPECT_EQ(FullDiskAccess::canRead(socketPath), false);
    ::close(server);
}

TEST(FullDiskAccess, AHomeWithoutProtectedPlacesIsUnknown) {
    testing::TemporaryFolder home;
    EXPECT_EQ(FullDiskAccess::currentStatus(home.path()), Status::unknown);
    std::filesystem::create_directories(home / "Library/Mail");
    EXPECT_EQ(FullDiskAccess::currentStatus(home.path()), Status::granted);
}

}  // namespace
}  // namespace tandor
