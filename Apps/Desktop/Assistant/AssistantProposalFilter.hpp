#pragma once

#include <string>
#include <vector>

#include "TandorAssistant/AssistantProposal.hpp"

namespace tandor::AssistantProposalFilter {

// The stored proposals the sheet may offer, largest first (a stable sort, so
// equal sizes keep their stored order). Any local process can write the
// proposal file, so a proposal is kept only when the assistant server could
// have made it: well formed (a size and a reason the proposal tool would
// write), with an absolute, normalised path without NUL bytes strictly inside
// home (compared normalised, as the server does), that exists and resolves
// (links followed) strictly inside home too, and is none of the places no
// assistant may propose. A path stored twice is offered once, as first
// stored. Sizes are checked against the disk: a file (a link as the link)
// shows the bytes it takes now, a folder at most the bytes in use on its
// disk. Reads the disk; any thread.
std::vector<AssistantProposal> offered(std::vector<AssistantProposal> stored,
                                       const std::string& home);

}  // namespace tandor::AssistantProposalFilter
