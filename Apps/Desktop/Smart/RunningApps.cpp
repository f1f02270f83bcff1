#include "Smart/RunningApps.hpp"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>

#include "TandorApps/AppBundle.hpp"
#include "TandorApps/FolderEntries.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr auto cacheLifetime = std::chrono::seconds(1);

bool isProcessFolder(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char character) {
        return std::isdigit(static_cast<unsigned char>(character)) != 0;
    });
}

std::optional<std::string> linkTarget(const std::string& path) {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

ProcRunningApps::ProcRunningApps(std::string procFolder) : procFolder_(std::move(procFolder)) {
}

std::optional<std::string> ProcRunningApps::enclosingBundle(const std::string& executable) {
    for (std::string folder = paths::deletingLastComponent(executable); folder.size() > 1;
         folder = paths::deletingLastComponent(folder)) {
        if (folder.ends_with(".app")) {
            return folder;
        }
    }
    return std::nullopt;
}

std::set<std::string> ProcRunningApps::bundleIDs() const {
    std::set<std::string> identifiers;
    std::set<std::string> bundlesSeen;
    for (const auto& name : folderEntries(procFolder_).value_or(std::vector<std::string>{})) {
        if (!isProcessFolder(name)) {
            continue;
        }
        const auto executable = linkTarget(paths::join(paths::join(procFolder_, name), "exe"));
        const auto bundle = executable ? enclosingBundle(*executable) : std::nullopt;
        if (!bundle || !bundlesSeen.insert(*bundle).second) {
            continue;
        }
        if (const auto app = AppBundle::read(*bundle)) {
            identifiers.insert(app->bundleID);
        }
    }
    return identifiers;
}

bool ProcRunningApps::isRunning(const std::string& bundleID) const {
    const std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    if (!readAt_ || now - *readAt_ >= cacheLifetime) {
        cached_ = bundleIDs();
        readAt_ = now;
    }
    return cached_.contains(bundleID);
}

}  // namespace tandor
