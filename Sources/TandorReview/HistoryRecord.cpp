#include "TandorReview/HistoryRecord.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {

HistoryRecord::HistoryRecord(std::string originalPath, std::string trashedPath, std::int64_t bytes,
                             std::optional<std::string> ruleID, Date date)
    : id(UUID::random()),
      originalPath(std::move(originalPath)),
      trashedPath(std::move(trashedPath)),
      bytes(bytes),
      ruleID(std::move(ruleID)),
      date(date) {
}

namespace {

std::uint64_t requireUnsigned(const nlohmann::json& object, std::string_view key) {
    const auto& value = decode::requireKey(object, key);
    if (!value.is_number_unsigned()) {
        throw DecodingError("Expected an unsigned integer for " + std::string(key));
    }
    return value.get<std::uint64_t>();
}

std::optional<FileIdentity> optionalIdentity(const nlohmann::json& object) {
    if (decode::isAbsent(object, "device") && decode::isAbsent(object, "inode")) {
        return std::nullopt;
    }
    return FileIdentity{requireUnsigned(object, "device"), requireUnsigned(object, "inode")};
}

}  // namespace
}  // namespace tandor

tandor::HistoryRecord nlohmann::adl_serializer<tandor::HistoryRecord>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "history record");
    HistoryRecord record;
    record.id = decode::requireUUID(value, "id");
    record.originalPath = decode::requireString(value, "originalPath");
    record.trashedPath = decode::requireString(value, "trashedPath");
    record.bytes = decode::requireInt64(value, "bytes");
    record.ruleID = decode::optionalString(value, "ruleID");
    record.date = decode::requireDate(value, "date");
    record.restored = decode::requireBool(value, "restored");
    record.identity = optionalIdentity(value);
    return record;
}

void nlohmann::adl_serializer<tandor::HistoryRecord>::to_json(nlohmann::json& value,
                                                              const tandor::HistoryRecord& record) {
    using namespace tandor;
    value = {
        {"id", record.id.string()},
        {"originalPath", pathToJSON(record.originalPath)},
        {"trashedPath", pathToJSON(record.trashedPath)},
        {"bytes", record.bytes},
        {"date", iso8601String(record.date)},
        {"restored", record.restored},
    };
    if (record.ruleID) {
        value["ruleID"] = pathToJSON(*record.ruleID);
    }
    if (record.identity) {
        value["device"] = record.identity->device;
        value["inode"] = record.identity->inode;
    }
}

std::size_t std::hash<tandor::HistoryRecord>::operator()(
    const tandor::HistoryRecord& record) const noexcept {
    return tandor::HashCombiner()
        .add(record.id)
        .add(record.originalPath)
        .add(record.trashedPath)
        .add(record.bytes)
        .add(record.ruleID)
        .add(record.date)
        .add(record.restored)
        .add(record.identity ? std::optional(record.identity->device) : std::nullopt)
        .add(record.identity ? std::optional(record.identity->inode) : std::nullopt)
        .value();
}
