#include "TandorAssistant/AssistantProposal.hpp"

#include "TandorAssistant/AssistantText.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {

bool isWellFormed(const AssistantProposal& proposal) {
    return proposal.bytes >= 0 &&
           !assistantText::trimmingWhitespaceAndNewlines(proposal.reason).empty() &&
           unicode::graphemeCount(proposal.reason) <= maximumReasonLength;
}

}  // namespace tandor

std::size_t std::hash<tandor::AssistantProposal>::operator()(
    const tandor::AssistantProposal& proposal) const noexcept {
    return tandor::HashCombiner()
        .add(proposal.path)
        .add(proposal.bytes)
        .add(proposal.reason)
        .add(proposal.proposedAt)
        .value();
}
