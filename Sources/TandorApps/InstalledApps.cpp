#include "TandorApps/InstalledApps.hpp"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

#include "TandorApps/AppImageFile.hpp"
#include "TandorApps/DesktopEntry.hpp"
#include "TandorApps/FolderEntries.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor::InstalledApps {
namespace {

// Desktop entries by the real path of the program they start.
using EntriesByProgram = std::map<std::string, DesktopEntry>;

constexpr std::string_view desktopSuffix = ".desktop";

bool isBundleName(const std::string& name) {
    return name.ends_with(".app");
}

void appendIfReadable(const std::string& path, std::vector<AppBundle>& apps) {
    if (auto app = AppBundle::read(path)) {
        apps.push_back(std::move(*app));
    }
}

// The bundles directly inside subfolder; nothing deeper.
void appendBundlesInside(const std::string& subfolder, std::vector<AppBundle>& apps) {
    const auto names = folderEntries(subfolder);
    if (!names) {
        return;
    }
    for (const auto& name : *names) {
        if (isBundleName(name)) {
            appendIfReadable(paths::join(subfolder, name), apps);
        }
    }
}

// The path with every link and "." or ".." resolved; absent when it does not
// lead to an existing file.
std::optional<std::string> realPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::optional<std::string>(resolved.get()) : std::nullopt;
}

// The real file of an Exec= program: as named when it is absolute, else the
// first of the program folders that holds it. A relative path names nothing.
std::optional<std::string> programFile(const std::string& program,
                                       const std::vector<std::string>& programFolders) {
    if (program.starts_with('/')) {
        return realPath(program);
    }
    if (program.find('/') != std::string::npos) {
        return std::nullopt;
    }
    for (const auto& folder : programFolders) {
        if (folder.starts_with('/')) {
            if (auto file = realPath(paths::join(folder, program))) {
                return file;
            }
        }
    }
    return std::nullopt;
}

EntriesByProgram entriesByProgram(const Places& places) {
    EntriesByProgram entries;
    if (places.desktopEntryFolder.empty()) {
        return entries;
    }
    auto names = folderEntries(places.desktopEntryFolder).value_or(std::vector<std::string>{});
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        if (name.size() <= desktopSuffix.size() || !name.ends_with(desktopSuffix)) {
            continue;
        }
        auto entry = DesktopEntry::read(paths::join(places.desktopEntryFolder, name));
        const auto file = entry && entry->program
                              ? programFile(*entry->program, places.programFolders)
                              : std::nullopt;
        if (file) {
            entries.try_emplace(*file, std::move(*entry));
        }
    }
    return entries;
}

AppBundle appImage(const std::string& path, const EntriesByProgram& entries) {
    const auto file = realPath(path);
    const auto found = file ? entries.find(*file) : entries.end();
    auto fileName = AppImageFile::nameFromFileName(paths::lastComponent(path));
    AppBundle app{path,
                  fileName,
                  fileName,
                  std::nullopt,
                  false,
                  std::nullopt,
                  AppBundle::Kind::appImage,
                  std::nullopt};
    if (found != entries.end()) {
        const auto& entry = found->second;
        app.bundleID = entry.id;
        if (!entry.name.empty()) {
            app.name = entry.name;
        }
        app.iconFile = entry.icon;
        app.desktopEntry = entry.path;
    }
    return app;
}

}  // namespace

bool defaultNameOrder(const std::string& a, const std::string& b) {
    return unicode::lowercased(unicode::composed(a)) < unicode::lowercased(unicode::composed(b));
}

Places defaultPlaces(const HomePlaces& home) {
    Places places{{"/Applications", paths::join(home.home(), "Applications"),
                   paths::join(home.home(), ".local/bin")},
                  paths::join(home.dataHome(), "applications"),
                  {}};
    const char* searchPath = HomePlaces::processEnvironment("PATH");
    std::string_view rest = searchPath != nullptr ? searchPath : "";
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        places.programFolders.emplace_back(rest.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return places;
}

std::vector<AppBundle> list(const Places& places, const NameOrder& order) {
    std::vector<AppBundle> apps;
    // Read at the first AppImage only: most folders hold none.
    std::optional<EntriesByProgram> entries;
    for (const auto& folder : places.folders) {
        const auto names = folderEntries(folder);
        if (!names) {
            continue;
        }
        for (const auto& name : *names) {
            const auto path = paths::join(folder, name);
            if (isBundleName(name)) {
                appendIfReadable(path, apps);
            } else if (isFolder(path)) {
                appendBundlesInside(path, apps);
            } else if (AppImageFile::isAppImage(path)) {
                if (!entries) {
                    entries = entriesByProgram(places);
                }
                apps.push_back(appImage(path, *entries));
            }
        }
    }
    std::stable_sort(apps.begin(), apps.end(), [&order](const AppBundle& a, const AppBundle& b) {
        return order(a.name, b.name);
    });
    return apps;
}

}  // namespace tandor::InstalledApps
