#include "TandorAnalyzers/AnalysisContext.hpp"

#include "TandorCore/FileNode.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor {

AnalysisContext::AnalysisContext(std::string_view home, Date now,
                                 std::vector<std::string> installedApps)
    : home(FileNode::normalize(home)),
      trashFolder(trashFolderPath(home)),
      now(now),
      installedApps(std::move(installedApps)) {
}

}  // namespace tandor
