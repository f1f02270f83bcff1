#include "TandorAnalyzers/AnalysisContext.hpp"

namespace tandor {

AnalysisContext::AnalysisContext(HomePlaces places, Date now,
                                 std::vector<std::string> installedApps)
    : places(std::move(places)),
      home(this->places.home()),
      trashFolder(this->places.trashFolder()),
      now(now),
      installedApps(std::move(installedApps)) {
}

AnalysisContext::AnalysisContext(std::string_view home, Date now,
                                 std::vector<std::string> installedApps)
    : AnalysisContext(HomePlaces::read(home), now, std::move(installedApps)) {
}

}  // namespace tandor
