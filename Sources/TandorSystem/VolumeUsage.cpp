#include "TandorSystem/VolumeUsage.hpp"

#include <limits>
#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

// a - b, or 0 when that is negative; a difference beyond the range stops at its end.
std::int64_t positiveDifference(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return a > b ? std::numeric_limits<std::int64_t>::max() : 0;
    }
    return difference > 0 ? difference : 0;
}

}  // namespace

std::int64_t VolumeUsage::used() const {
    return positiveDifference(total, available);
}

std::optional<std::int64_t> VolumeUsage::purgeable() const {
    if (!availableForImportantUsage) {
        return std::nullopt;
    }
    return positiveDifference(*availableForImportantUsage, available);
}

void to_json(nlohmann::json& value, const VolumeUsage& usage) {
    value = {{"total", usage.total}, {"available", usage.available}};
    if (usage.availableForImportantUsage) {
        value["availableForImportantUsage"] = *usage.availableForImportantUsage;
    }
}

void from_json(const nlohmann::json& value, VolumeUsage& usage) {
    decode::requireObject(value, "volume usage");
    usage.total = decode::requireInt64(value, "total");
    usage.available = decode::requireInt64(value, "available");
    usage.availableForImportantUsage = std::nullopt;
    if (!decode::isAbsent(value, "availableForImportantUsage")) {
        usage.availableForImportantUsage =
            decode::toInt64(value.at("availableForImportantUsage"), "availableForImportantUsage");
    }
}

}  // namespace tandor
