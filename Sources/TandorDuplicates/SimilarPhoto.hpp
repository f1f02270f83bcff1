#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// One analysed photo: what the similar-photo list shows and what picks the best
// shot of a group.
struct SimilarPhoto {
    std::string path;
    // Bytes the file occupies on disk.
    std::int64_t bytes = 0;
    Date captureDate;
    // As the file's header states them, before any orientation is applied.
    std::int64_t pixelWidth = 0;
    std::int64_t pixelHeight = 0;
    // Absent when no quality analysis is available.
    std::optional<float> qualityScore;

    // The capture date of a photo with neither an EXIF date nor a modification
    // date: 1 January 1700, UTC. Every such photo shares it, it sorts before any
    // real shot, and it is far enough inside the clock's range that adding a
    // time window to it cannot overflow.
    static const Date distantPast;

    // Width times height; a product beyond the signed 64-bit range (only a
    // corrupt header can claim one) stops at the end of the range.
    std::int64_t pixelCount() const;
    // The last path component.
    std::string name() const;

    friend bool operator==(const SimilarPhoto&, const SimilarPhoto&) = default;
};

// JSON form: "path", "bytes", "captureDate" (ISO 8601), "pixelWidth",
// "pixelHeight" and "qualityScore" (left out when absent). Decoding is strict and
// throws DecodingError.
void to_json(nlohmann::json& value, const SimilarPhoto& photo);
void from_json(const nlohmann::json& value, SimilarPhoto& photo);

}  // namespace tandor

template <>
struct std::hash<tandor::SimilarPhoto> {
    std::size_t operator()(const tandor::SimilarPhoto& photo) const noexcept;
};
