#include "TandorSystem/SystemDataReport.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/JSONDecoding.hpp"

namespace tandor {

std::int64_t SystemDataReport::measuredTotal() const {
    std::int64_t total = 0;
    for (const auto& item : items) {
        if (item.kind != SystemDataItem::Kind::purgeable) {
            total = saturatingAdd(total, item.measurement.bytes().value_or(0));
        }
    }
    return total;
}

bool SystemDataReport::hasUnreadableFolders() const {
    return std::any_of(items.begin(), items.end(), [](const SystemDataItem& item) {
        return item.measurement.kind() == SystemDataItem::Measurement::Case::partial;
    });
}

void to_json(nlohmann::json& value, const SystemDataReport& report) {
    value = {{"items", report.items}, {"generatedAt", iso8601String(report.generatedAt)}};
    if (report.volume) {
        value["volume"] = *report.volume;
    }
}

void from_json(const nlohmann::json& value, SystemDataReport& report) {
    decode::requireObject(value, "System Data report");
    report.volume = std::nullopt;
    if (!decode::isAbsent(value, "volume")) {
        report.volume = value.at("volume").get<VolumeUsage>();
    }
    report.items = decode::requireArray(value, "items").get<std::vector<SystemDataItem>>();
    report.generatedAt = decode::requireDate(value, "generatedAt");
}

}  // namespace tandor
