#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"

namespace tandor {

// The outcome of one similar-photo search.
struct SimilarPhotoReport {
    // Reclaimable bytes descending, then id descending.
    std::vector<SimilarPhotoGroup> groups;
    // Photos analysed successfully.
    std::int64_t photosCompared = 0;
    // Photos that could not be analysed, ascending.
    std::vector<std::string> unreadablePaths;

    std::int64_t reclaimableBytes() const;
    std::optional<Suggestion> suggestion() const;

    friend bool operator==(const SimilarPhotoReport&, const SimilarPhotoReport&) = default;
};

// JSON form: "groups", "photosCompared", "unreadablePaths". Decoding is strict
// and throws DecodingError.
void to_json(nlohmann::json& value, const SimilarPhotoReport& report);
void from_json(const nlohmann::json& value, SimilarPhotoReport& report);

}  // namespace tandor
