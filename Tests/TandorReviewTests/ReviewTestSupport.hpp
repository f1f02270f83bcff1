#pragma once

#include <grp.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "TestSupport/Unprivileged.hpp"

// Small file helpers shared by the review engine's tests.
namespace tandor::testing {

// A fixed moment for records whose date does not matter.
inline const Date someDay{std::chrono::seconds{1'750'000'000}};

// The text with control and non-ASCII bytes written as \xNN, fit for a test name.
inline std::string printable(const std::string& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte >= 0x7F) {
            shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 0x0F];
        } else {
            shown += character;
        }
    }
    return shown;
}

// A folder of its own on /dev/shm, a memory file system and so another device
// than the temporary folder; empty when /dev/shm is not there.
class OtherDeviceFolder {
  public:
    OtherDeviceFolder() {
        std::string pattern = "/dev/shm/tandor-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    OtherDeviceFolder(const OtherDeviceFolder&) = delete;
    OtherDeviceFolder& operator=(const OtherDeviceFolder&) = delete;
    ~OtherDeviceFolder() {
        if (path_.empty()) {
            return;
        }
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(path_, ignored);
    }

    bool isOnAnotherDeviceThan(const std::string& other) const {
        struct stat mine {};
        struct stat theirs {};
        return !path_.empty() && ::stat(path_.c_str(), &mine) == 0 &&
               ::stat(other.c_str(), &theirs) == 0 && mine.st_dev != theirs.st_dev;
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

// Makes path and everything in it the unprivileged user's, when running as root.
inline void handToUnprivileged(const std::string& path) {
    if (::getuid() != 0) {
        return;
    }
    std::vector<std::string> all{path};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        all.push_back(entry.path());
    }
    for (const auto& each : all) {
        if (::lchown(each.c_str(), unprivilegedID, unprivilegedID) != 0) {
            throw std::filesystem::filesystem_error(
                "cannot hand over", each, std::error_code(errno, std::generic_category()));
        }
    }
}

// The paths one to a line, for comparing a list that comes back as text.
inline std::string lines(const std::vector<std::string>& paths) {
    std::string joined;
    for (const auto& path : paths) {
        joined += (joined.empty() ? "" : "\n") + path;
    }
    return joined;
}

// The seed of a kill test's random moments: TANDOR_KILL_SEED when set, so
// that a failure can be repeated, else a fresh one.
inline unsigned killSeed() {
    const char* given = std::getenv("TANDOR_KILL_SEED");
    return given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                            : std::random_device{}();
}

// A kill test's home goes on a tmpfs when there is one: the kills then fall
// all over the work instead of mostly into waits for the disk (a kill keeps
// what the page cache holds either way), and the test stays quick.
inline std::optional<std::string> memoryFolder() {
    struct statfs info {};
    if (::statfs("/dev/shm", &info) == 0 && info.f_type == TMPFS_MAGIC) {
        return "/dev/shm";
    }
    return std::nullopt;
}

// What a kill test starts with, before it makes its home: the random source
// of its kill moments, seeded as the output says, and the temporary folder on
// the memory folder while it lives.
class KillTestSetting {
  public:
    KillTestSetting() : random(printedSeed()) {
        if (const auto folder = memoryFolder()) {
            temporaryFolder_.set("TMPDIR", folder);
        }
    }

    std::mt19937 random;

  private:
    static unsigned printedSeed() {
        const unsigned seed = killSeed();
        std::printf("kill moments drawn with seed %u (set TANDOR_KILL_SEED to repeat them)\n",
                    seed);
        return seed;
    }

    EnvironmentOverride temporaryFolder_;
};

}  // namespace tandor::testing
