#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Date.hpp"

namespace tandor {

// What every analysis is given besides the tree.
struct AnalysisContext {
    // Keeps home normalised; every home-relative path of a rule is resolved
    // as home + "/" + the relative path. The Trash is home's freedesktop.org
    // Trash (trashFolderPath).
    AnalysisContext(std::string_view home, Date now, std::vector<std::string> installedApps);

    std::string home;
    // Never proposed, nor anything inside it or holding it: what lies there is
    // already on its way out.
    std::string trashFolder;
    // The moment of the analysis; every age and cut-off is measured from it.
    Date now;
    // Names of the installed applications, read by the installer rule only.
    std::vector<std::string> installedApps;
};

}  // namespace tandor
