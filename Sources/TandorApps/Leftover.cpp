#include "TandorApps/Leftover.hpp"

#include <array>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/RawValueTable.hpp"

namespace tandor {
namespace {

struct MatchRow {
    Leftover::Match value;
    std::string_view raw;
};

constexpr std::array<MatchRow, 2> matchRows{{
    {Leftover::Match::bundleID, "bundleID"},
    {Leftover::Match::name, "name"},
}};

}  // namespace

std::string_view rawValue(Leftover::Match match) {
    return matchRows[static_cast<std::size_t>(match)].raw;
}

std::optional<Leftover::Match> leftoverMatchFromRawValue(std::string_view raw) {
    return caseFromRawValue(matchRows, raw);
}

}  // namespace tandor

std::size_t std::hash<tandor::Leftover>::operator()(
    const tandor::Leftover& leftover) const noexcept {
    return tandor::HashCombiner()
        .add(leftover.path)
        .add(leftover.bytes)
        .add(leftover.location)
        .add(rawValue(leftover.match))
        .add(rawValue(leftover.safety))
        .add(leftover.reason)
        .value();
}
