#include "TandorAnalyzers/AnalysisContext.hpp"

namespace tandor {

AnalysisContext::AnalysisContext(HomePlaces places, Date now,
                                 std::vector<std::string> installedApps,
                                 InstalledPackages installedPackages)
    : places(std::move(places)),
      home(this->places.home()),
      trashFolder(this->places.trashFolder()),
      now(now),
      installedApps(std::move(installedApps)),
      installedPackages(std::move(installedPackages)) {
}

AnalysisContext::AnalysisContext(std::string_view home, Date now,
                                 std::vector<std::string> installedApps,
                                 InstalledPackages installedPackages)
    : AnalysisContext(HomePlaces::read(home), now, std::move(installedApps),
                      std::move(installedPackages)) {
}

}  // namespace tandor
