#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>

namespace tandor {

// The capacity figures of one volume, in bytes, as the platform reported them.
struct VolumeUsage {
    std::int64_t total = 0;
    // Space available for ordinary use.
    std::int64_t available = 0;
    // Space the platform could make available for important use, purgeable
    // space included; absent where the platform has no such figure.
    std::optional<std::int64_t> availableForImportantUsage;

    // total - available, never below 0.
    std::int64_t used() const;
    // availableForImportantUsage - available, never below 0; absent without
    // availableForImportantUsage.
    std::optional<std::int64_t> purgeable() const;

    friend bool operator==(const VolumeUsage&, const VolumeUsage&) = default;
};

// JSON: "total", "available" and, when present, "availableForImportantUsage".
void to_json(nlohmann::json& value, const VolumeUsage& usage);
void from_json(const nlohmann::json& value, VolumeUsage& usage);

}  // namespace tandor
