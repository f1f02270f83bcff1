#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// One file or folder an assistant proposed for the review pile.
struct AssistantProposal {
    // Absolute path as the proposal tool resolved it; the proposal's identity
    // within the store.
    std::string path;
    std::int64_t bytes = 0;
    // Why, in the assistant's words.
    std::string reason;
    Date proposedAt;

    friend bool operator==(const AssistantProposal&, const AssistantProposal&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::AssistantProposal> {
    std::size_t operator()(const tandor::AssistantProposal& proposal) const noexcept;
};
