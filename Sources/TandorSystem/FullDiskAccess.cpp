#include "TandorSystem/FullDiskAccess.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "TandorCore/RawValueTable.hpp"

namespace tandor::FullDiskAccess {
namespace {

struct StatusRow {
    Status value;
    std::string_view raw;
};

constexpr std::array<StatusRow, 3> rows{{
    {Status::granted, "granted"},
    {Status::denied, "denied"},
    {Status::unknown, "unknown"},
}};

bool canList(const std::string& folder) {
    DIR* stream = ::opendir(folder.c_str());
    if (stream == nullptr) {
        return false;
    }
    errno = 0;
    while (::readdir(stream) != nullptr) {
    }
    const bool listed = errno == 0;
    ::closedir(stream);
    return listed;
}

// Non-blocking, so that a named pipe at the path cannot stall the probe.
bool canOpen(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        return false;
    }
    ::close(descriptor);
    return true;
}

}  // namespace

std::string_view rawValue(Status status) {
    return rows[static_cast<std::size_t>(status)].raw;
}

std::optional<Status> statusFromRawValue(std::string_view raw) {
    return caseFromRawValue(rows, raw);
}

std::optional<std::string> settingsURL() {
    return std::nullopt;
}

std::vector<std::string> probePaths(const std::string& home) {
    return {
        home + "/Library/Safari",
        home + "/Library/Mail",
        home + "/Library/Messages",
        home + "/Library/Containers/com.apple.stocks",
        "/Library/Application Support/com.apple.TCC/TCC.db",
    };
}

Status currentStatus(const std::string& home) {
    return status(probePaths(home), canRead);
}

Status status(const std::vector<std::string>& probes,
              const std::function<std::optional<bool>(const std::string&)>& canRead) {
    bool refused = false;
    for (const auto& path : probes) {
        const auto readable = canRead(path);
        if (readable == true) {
            return Status::granted;
        }
        refused = refused || readable == false;
    }
    return refused ? Status::denied : Status::unknown;
}

std::optional<bool> canRead(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return S_ISDIR(info.st_mode) ? canList(path) : canOpen(path);
}

}  // namespace tandor::FullDiskAccess
