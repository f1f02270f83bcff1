#include "Assistant/AssistantProposalFilter.hpp"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <set>

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

std::int64_t clampedToInt64(std::uint64_t bytes) {
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(bytes, std::numeric_limits<std::int64_t>::max()));
}

// The bytes the item at path can stand for now, or nothing when it is gone: a
// file what it takes on its disk, a folder what it claims up to all the bytes
// in use on its disk, which no folder outgrows.
std::optional<std::int64_t> checkedSize(const std::string& path, std::int64_t claimed) {
    struct stat item {};
    if (::lstat(path.c_str(), &item) != 0) {
        return std::nullopt;
    }
    if (!S_ISDIR(item.st_mode)) {
        return clampedToInt64(static_cast<std::uint64_t>(item.st_blocks) * 512);
    }
    struct statvfs disk {};
    if (::statvfs(path.c_str(), &disk) != 0) {
        return claimed;
    }
    const std::uint64_t used =
        (static_cast<std::uint64_t>(disk.f_blocks) - disk.f_bfree) * disk.f_frsize;
    return std::min(claimed, clampedToInt64(used));
}

// Whether the assistant server could have proposed this: see offered.
bool couldBeProposed(const AssistantProposal& proposal, const std::string& normalHome,
                     const std::string& realHome) {
    const std::string& path = proposal.path;
    if (!isWellFormed(proposal) || !path.starts_with('/') || paths::holdsNul(path) ||
        FileNode::normalize(path) != path || !paths::isInside(path, normalHome)) {
        return false;
    }
    const auto real = realPath(path);
    return real && paths::isInside(*real, realHome) && !protectedPlaces::refusal(path).has_value();
}

}  // namespace

std::vector<AssistantProposal> offered(std::vector<AssistantProposal> stored,
                                       const std::string& home) {
    const std::string normalHome = FileNode::normalize(home);
    const std::string realHome = realPath(normalHome).value_or(normalHome);
    std::vector<AssistantProposal> kept;
    std::set<std::string> seen;
    for (auto& proposal : stored) {
        if (!couldBeProposed(proposal, normalHome, realHome) || seen.contains(proposal.path)) {
            continue;
        }
        const auto bytes = checkedSize(proposal.path, proposal.bytes);
        if (!bytes) {
            continue;
        }
        seen.insert(proposal.path);
        proposal.bytes = *bytes;
        kept.push_back(std::move(proposal));
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& left, const auto& right) { return left.bytes > right.bytes; });
    return kept;
}

}  // namespace tandor::AssistantProposalFilter
