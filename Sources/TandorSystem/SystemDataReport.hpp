#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorSystem/SystemDataItem.hpp"
#include "TandorSystem/VolumeUsage.hpp"

namespace tandor {

// One measurement of System Data: the root volume's usage and the parts found.
struct SystemDataReport {
    // Absent when the platform did not report the volume.
    std::optional<VolumeUsage> volume;
    // In the inspector's order: measurable parts largest first, then the others.
    std::vector<SystemDataItem> items;
    Date generatedAt;

    // The bytes of every measured or partial item except the purgeable one,
    // which overlaps the others.
    std::int64_t measuredTotal() const;
    // True when some item is only partly measured.
    bool hasUnreadableFolders() const;

    friend bool operator==(const SystemDataReport&, const SystemDataReport&) = default;
};

// JSON: "volume" (left out when absent), "items", "generatedAt" (ISO 8601).
void to_json(nlohmann::json& value, const SystemDataReport& report);
void from_json(const nlohmann::json& value, SystemDataReport& report);

}  // namespace tandor
