#include "Assistant/AssistantProposalFilter.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include "TandorAssistant/ProtectedPlaces.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor::AssistantProposalFilter {
namespace {

std::optional<std::string> realPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::optional<std::string>(resolved.get()) : std::nullopt;
}

}  // namespace

std::vector<AssistantProposal> offered(std::vector<AssistantProposal> stored,
                                       const std::string& home) {
    const std::string normalHome = FileNode::normalize(home);
    const std::string realHome = realPath(normalHome).value_or(normalHome);
    std::erase_if(stored, [&](const AssistantProposal& proposal) {
        const std::string& path = proposal.path;
        if (!isWellFormed(proposal) || !path.starts_with('/') || paths::holdsNul(path) ||
            FileNode::normalize(path) != path || !paths::isInside(path, normalHome)) {
            return true;
        }
        const auto real = realPath(path);
        return !real || !paths::isInside(*real, realHome) ||
               protectedPlaces::refusal(path).has_value();
    });
    std::stable_sort(stored.begin(), stored.end(),
                     [](const auto& left, const auto& right) { return left.bytes > right.bytes; });
    return stored;
}

}  // namespace tandor::AssistantProposalFilter
