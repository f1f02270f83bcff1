#pragma once

#include <cstddef>
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

// The proposal tool cuts a longer reason to this many characters.
inline constexpr std::size_t maximumReasonLength = 200;

// True when proposal holds what the proposal tool writes: a size of at least 0
// and a reason that is not blank and at most maximumReasonLength characters
// long. The proposal file is anyone's to write, so readers check this.
bool isWellFormed(const AssistantProposal& proposal);

}  // namespace tandor

template <>
struct std::hash<tandor::AssistantProposal> {
    std::size_t operator()(const tandor::AssistantProposal& proposal) const noexcept;
};
