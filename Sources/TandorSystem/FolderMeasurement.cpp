#include "TandorSystem/FolderMeasurement.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {

void to_json(nlohmann::json& value, const FolderMeasurement& measurement) {
    value = {{"bytes", measurement.bytes}, {"unreadable", measurement.unreadable}};
}

void from_json(const nlohmann::json& value, FolderMeasurement& measurement) {
    decode::requireObject(value, "folder measurement");
    measurement.bytes = decode::requireInt64(value, "bytes");
    measurement.unreadable = decode::requireInt64(value, "unreadable");
}

}  // namespace tandor
