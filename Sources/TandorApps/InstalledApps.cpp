#include "TandorApps/InstalledApps.hpp"

#include <algorithm>

#include "TandorApps/FolderEntries.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor::InstalledApps {
namespace {

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

}  // namespace

bool defaultNameOrder(const std::string& a, const std::string& b) {
    return unicode::lowercased(unicode::composed(a)) < unicode::lowercased(unicode::composed(b));
}

std::vector<std::string> defaultFolders(const std::string& home) {
    return {"/Applications", paths::join(home, "Applications")};
}

std::vector<AppBundle> list(const std::vector<std::string>& folders, const NameOrder& order) {
    std::vector<AppBundle> apps;
    for (const auto& folder : folders) {
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
            }
        }
    }
    std::stable_sort(apps.begin(), apps.end(), [&order](const AppBundle& a, const AppBundle& b) {
        return order(a.name, b.name);
    });
    return apps;
}

}  // namespace tandor::InstalledApps
