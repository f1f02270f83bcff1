#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/SafetyLevel.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/SwipeDeckKind.hpp"

namespace tandor {

// One file or folder of a swipe deck with the evidence for dealing it there.
// Identified by its path.
struct SwipeCard {
    // When name is absent it is the last component of path.
    SwipeCard(std::string path, std::optional<std::string> name, std::int64_t bytes,
              bool isDirectory, std::optional<Date> modificationDate, SwipeDeckKind kind,
              std::vector<Evidence> evidence);

    std::string path;
    std::string name;
    std::int64_t bytes = 0;
    bool isDirectory = false;
    std::optional<Date> modificationDate;
    SwipeDeckKind kind;
    std::vector<Evidence> evidence;

    std::string parentPath() const;
    SafetyLevel safety() const { return tandor::safety(kind); }
    std::string ruleID() const { return tandor::ruleID(kind); }

    friend bool operator==(const SwipeCard&, const SwipeCard&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::SwipeCard> {
    std::size_t operator()(const tandor::SwipeCard& card) const noexcept;
};
