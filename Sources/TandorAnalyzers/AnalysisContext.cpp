#include "TandorAnalyzers/AnalysisContext.hpp"

#include "TandorCore/FileNode.hpp"

namespace tandor {

AnalysisContext::AnalysisContext(std::string_view home, Date now,
                                 std::vector<std::string> installedApps)
    : home(FileNode::normalize(home)), now(now), installedApps(std::move(installedApps)) {
}

}  // namespace tandor
