#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TandorCore/SafetyLevel.hpp"
#include "TandorCore/Suggestion.hpp"

namespace tandor {

// Everything an explanation may rest on, taken from one suggestion; also the
// key under which its explanation is cached.
struct ExplanationFacts {
    explicit ExplanationFacts(const Suggestion& suggestion);

    std::string title;
    SafetyLevel safety;
    std::string reason;
    // The texts of the observed and of the inferred evidence lines, in order.
    std::vector<std::string> observed;
    std::vector<std::string> inferred;
    // The total size in words ("1.5 GB").
    std::string size;
    std::int64_t itemCount = 0;
    // The names of the first three items.
    std::vector<std::string> sampleNames;

    // The facts block a model is given and the guard searches: "Item: ...",
    // "Size: ... in 3 items", "Safety level: ...", "Why Tandor suggests it: ...",
    // one "Measured: " and one "Tandor's reading: " line per evidence text, and
    // "Examples: ..." when there are items; joined with "\n".
    std::string text() const;

    friend bool operator==(const ExplanationFacts&, const ExplanationFacts&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::ExplanationFacts> {
    std::size_t operator()(const tandor::ExplanationFacts& facts) const noexcept;
};
