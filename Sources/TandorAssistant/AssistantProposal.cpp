#include "TandorAssistant/AssistantProposal.hpp"

#include "TandorCore/HashCombiner.hpp"

std::size_t std::hash<tandor::AssistantProposal>::operator()(
    const tandor::AssistantProposal& proposal) const noexcept {
    return tandor::HashCombiner()
        .add(proposal.path)
        .add(proposal.bytes)
        .add(proposal.reason)
        .add(proposal.proposedAt)
        .value();
}
