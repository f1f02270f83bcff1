#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TandorCore/SafetyLevel.hpp"

namespace tandor {

// One file or folder an application left in the user's Library.
struct Leftover {
    // How the entry was tied to the application.
    enum class Match {
        // Its name carries the bundle identifier.
        bundleID,
        // Its name equals one of the application's names.
        name,
    };

    // The location's folder joined with the entry name as listed.
    std::string path;
    // Allocated size on disk; 0 when it could not be measured.
    std::int64_t bytes = 0;
    // The title of the location it was found in.
    std::string location;
    Match match = Match::bundleID;
    SafetyLevel safety = SafetyLevel::needsReview;
    // What the location holds, in plain words.
    std::string reason;

    friend bool operator==(const Leftover&, const Leftover&) = default;
};

std::string_view rawValue(Leftover::Match match);
// Only "bundleID" and "name" give a match.
std::optional<Leftover::Match> leftoverMatchFromRawValue(std::string_view raw);

}  // namespace tandor

template <>
struct std::hash<tandor::Leftover> {
    std::size_t operator()(const tandor::Leftover& leftover) const noexcept;
};
