#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/InstalledPackages.hpp"

namespace tandor {

// What every analysis is given besides the tree.
struct AnalysisContext {
    // Every home-relative path of a rule is resolved through places. The Trash
    // is the places' freedesktop.org Trash.
    AnalysisContext(HomePlaces places, Date now, std::vector<std::string> installedApps,
                    InstalledPackages installedPackages = {});
    // The places as this process's environment and user-dirs.dirs give them.
    AnalysisContext(std::string_view home, Date now, std::vector<std::string> installedApps,
                    InstalledPackages installedPackages = {});

    HomePlaces places;
    // Normalised; the same as places.home().
    std::string home;
    // Never proposed, nor anything inside it or holding it: what lies there is
    // already on its way out.
    std::string trashFolder;
    // The moment of the analysis; every age and cut-off is measured from it.
    Date now;
    // Names of the installed applications, read by the installer rule only.
    std::vector<std::string> installedApps;
    // The packages dpkg lists as installed, read by the installer rule only.
    InstalledPackages installedPackages;
};

}  // namespace tandor
