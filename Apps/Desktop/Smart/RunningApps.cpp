#include "Smart/RunningApps.hpp"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "TandorApps/FolderEntries.hpp"
#include "TandorCore/SmallFile.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr auto cacheLifetime = std::chrono::seconds(1);

bool isProcessFolder(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char character) {
        return std::isdigit(static_cast<unsigned char>(character)) != 0;
    });
}

// A process's environment is at most a few hundred kilobytes.
constexpr std::size_t maximumEnvironmentSize = 4 * 1024 * 1024;

std::optional<std::string> linkTarget(const std::string& path) {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// The value of APPIMAGE in a /proc environ file (NUL-separated entries).
std::optional<std::string> appImageVariable(const std::string& environFile) {
    constexpr std::string_view name = "APPIMAGE=";
    const auto environment = smallFile(environFile, maximumEnvironmentSize);
    std::string_view rest = environment ? std::string_view(*environment) : std::string_view();
    while (!rest.empty()) {
        const auto end = rest.find('\0');
        const auto entry = rest.substr(0, end);
        if (entry.starts_with(name)) {
            return std::string(entry.substr(name.size()));
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return std::nullopt;
}

std::optional<std::string> resolvedPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::optional<std::string>(resolved.get()) : std::nullopt;
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

ProcRunningApps::Snapshot ProcRunningApps::snapshot() const {
    Snapshot running;
    std::set<std::string> bundlesSeen;
    for (const auto& name : folderEntries(procFolder_).value_or(std::vector<std::string>{})) {
        if (!isProcessFolder(name)) {
            continue;
        }
        const auto process = paths::join(procFolder_, name);
        if (auto appImage = appImageVariable(paths::join(process, "environ"))) {
            running.programs.insert(std::move(*appImage));
        }
        const auto executable = linkTarget(paths::join(process, "exe"));
        if (!executable) {
            continue;
        }
        running.programs.insert(*executable);
        const auto bundle = enclosingBundle(*executable);
        if (!bundle || !bundlesSeen.insert(*bundle).second) {
            continue;
        }
        if (const auto app = AppBundle::read(*bundle)) {
            running.bundleIDs.insert(app->bundleID);
        }
    }
    return running;
}

bool ProcRunningApps::isRunning(const AppBundle& app) const {
    const std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    if (!readAt_ || now - *readAt_ >= cacheLifetime) {
        cached_ = snapshot();
        readAt_ = now;
    }
    if (app.kind == AppBundle::Kind::bundle) {
        return cached_.bundleIDs.contains(app.bundleID);
    }
    const auto real = resolvedPath(app.path);
    return cached_.programs.contains(app.path) || (real && cached_.programs.contains(*real));
}

}  // namespace tandor
