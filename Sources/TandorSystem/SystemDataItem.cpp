#include "TandorSystem/SystemDataItem.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/RawValueTable.hpp"

namespace tandor {
namespace {

struct KindRow {
    SystemDataItem::Kind value;
    std::string_view raw;
};

constexpr std::array<KindRow, allSystemDataItemKinds.size()> kindRows{{
    {SystemDataItem::Kind::snapshots, "snapshots"},
    {SystemDataItem::Kind::purgeable, "purgeable"},
    {SystemDataItem::Kind::swap, "swap"},
    {SystemDataItem::Kind::logs, "logs"},
    {SystemDataItem::Kind::temporary, "temporary"},
    {SystemDataItem::Kind::deviceBackups, "deviceBackups"},
    {SystemDataItem::Kind::deviceUpdates, "deviceUpdates"},
    {SystemDataItem::Kind::developer, "developer"},
    {SystemDataItem::Kind::virtualMachines, "virtualMachines"},
}};

constexpr std::array<std::string_view, 3> measurementCaseNames{"measured", "partial",
                                                               "notMeasurable"};

nlohmann::json textsToJSON(const std::vector<std::string>& texts) {
    auto array = nlohmann::json::array();
    for (const auto& text : texts) {
        array.push_back(pathToJSON(text));
    }
    return array;
}

std::vector<std::string> requireTexts(const nlohmann::json& object, std::string_view key) {
    std::vector<std::string> texts;
    for (const auto& element : decode::requireArray(object, key)) {
        texts.push_back(decode::toString(element, key));
    }
    return texts;
}

}  // namespace

std::optional<std::int64_t> SystemDataItem::Measurement::bytes() const {
    if (case_ == Case::notMeasurable) {
        return std::nullopt;
    }
    return bytes_;
}

SystemDataItem::Measurement SystemDataItem::Measurement::measured(std::int64_t bytes) {
    return {Case::measured, bytes, 0};
}

SystemDataItem::Measurement SystemDataItem::Measurement::partial(std::int64_t bytes,
                                                                 std::int64_t unreadableFolders) {
    return {Case::partial, bytes, unreadableFolders};
}

SystemDataItem::Measurement SystemDataItem::Measurement::notMeasurable() {
    return {Case::notMeasurable, 0, 0};
}

std::string SystemDataItem::id() const {
    return std::string(rawValue(kind));
}

std::string_view rawValue(SystemDataItem::Kind kind) {
    return kindRows[static_cast<std::size_t>(kind)].raw;
}

std::optional<SystemDataItem::Kind> systemDataItemKindFromRawValue(std::string_view raw) {
    return caseFromRawValue(kindRows, raw);
}

void to_json(nlohmann::json& value, SystemDataItem::Kind kind) {
    value = rawValue(kind);
}

void from_json(const nlohmann::json& value, SystemDataItem::Kind& kind) {
    kind = caseFromJSON(kindRows, value, "kind");
}

void to_json(nlohmann::json& value, const SystemDataItem::Measurement& measurement) {
    using Case = SystemDataItem::Measurement::Case;
    switch (measurement.kind()) {
        case Case::measured:
            value = {{"measured", {{"_0", *measurement.bytes()}}}};
            return;
        case Case::partial:
            value = {{"partial",
                      {{"_0", *measurement.bytes()},
                       {"unreadableFolders", measurement.unreadableFolders()}}}};
            return;
        case Case::notMeasurable:
            value = {{"notMeasurable", nlohmann::json::object()}};
            return;
    }
}

void to_json(nlohmann::json& value, const SystemDataItem& item) {
    value = {
        {"kind", item.kind},
        {"title", pathToJSON(item.title)},
        {"explanation", pathToJSON(item.explanation)},
        {"advice", pathToJSON(item.advice)},
        {"handledByMacOS", item.handledByMacOS},
        {"paths", textsToJSON(item.paths)},
        {"measurement", item.measurement},
        {"details", textsToJSON(item.details)},
    };
    if (item.count) {
        value["count"] = *item.count;
    }
}

void from_json(const nlohmann::json& value, SystemDataItem& item) {
    decode::requireObject(value, "System Data item");
    item.kind = decode::requireKey(value, "kind").get<SystemDataItem::Kind>();
    item.title = decode::requireString(value, "title");
    item.explanation = decode::requireString(value, "explanation");
    item.advice = decode::requireString(value, "advice");
    item.handledByMacOS = decode::requireBool(value, "handledByMacOS");
    item.paths = requireTexts(value, "paths");
    item.measurement = decode::requireKey(value, "measurement").get<SystemDataItem::Measurement>();
    item.count = std::nullopt;
    if (!decode::isAbsent(value, "count")) {
        item.count = decode::toInt64(value.at("count"), "count");
    }
    item.details = requireTexts(value, "details");
}

}  // namespace tandor

// Keys that are not case names are ignored; exactly one case name must be there.
tandor::SystemDataItem::Measurement nlohmann::adl_serializer<
    tandor::SystemDataItem::Measurement>::from_json(const nlohmann::json& value) {
    using tandor::SystemDataItem;
    namespace decode = tandor::decode;
    decode::requireObject(value, "measurement");
    std::optional<std::string_view> chosen;
    int found = 0;
    for (const auto name : tandor::measurementCaseNames) {
        if (value.contains(name)) {
            chosen = name;
            ++found;
        }
    }
    if (found != 1) {
        throw tandor::DecodingError("Invalid number of keys found, expected one.");
    }
    const auto& payload = decode::requireObject(value.at(*chosen), *chosen);
    if (*chosen == "measured") {
        return SystemDataItem::Measurement::measured(decode::requireInt64(payload, "_0"));
    }
    if (*chosen == "partial") {
        return SystemDataItem::Measurement::partial(
            decode::requireInt64(payload, "_0"),
            decode::requireInt64(payload, "unreadableFolders"));
    }
    return SystemDataItem::Measurement::notMeasurable();
}
