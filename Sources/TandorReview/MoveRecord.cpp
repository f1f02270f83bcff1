#include "TandorReview/MoveRecord.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

MoveRecord::MoveRecord(std::string originalPath, std::string movedPath, std::int64_t bytes,
                       std::optional<UUID> folderID, Date date)
    : id(UUID::random()),
      originalPath(std::move(originalPath)),
      movedPath(std::move(movedPath)),
      bytes(bytes),
      folderID(folderID),
      date(date) {
}

std::string MoveRecord::name() const {
    return paths::lastComponent(originalPath);
}

}  // namespace tandor

namespace {

std::uint64_t unsignedNumber(const nlohmann::json& object, std::string_view key) {
    const auto& value = tandor::decode::requireKey(object, key);
    if (!value.is_number_unsigned()) {
        throw tandor::DecodingError("Expected an unsigned integer for \"" + std::string(key) +
                                    "\"");
    }
    return value.get<std::uint64_t>();
}

}  // namespace

tandor::MoveRecord nlohmann::adl_serializer<tandor::MoveRecord>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "move record");
    MoveRecord record;
    record.id = decode::requireUUID(value, "id");
    record.originalPath = decode::requireString(value, "originalPath");
    record.movedPath = decode::requireString(value, "movedPath");
    record.bytes = decode::requireInt64(value, "bytes");
    record.folderID = decode::optionalUUID(value, "folderID");
    record.date = decode::requireDate(value, "date");
    record.undone = decode::requireBool(value, "undone");
    if (!decode::isAbsent(value, "leftBehind")) {
        for (const auto& path : decode::requireArray(value, "leftBehind")) {
            record.leftBehind.push_back(decode::toString(path, "leftBehind"));
        }
    }
    if (!decode::isAbsent(value, "device") || !decode::isAbsent(value, "inode")) {
        record.identity =
            FileIdentity{unsignedNumber(value, "device"), unsignedNumber(value, "inode")};
    }
    return record;
}

void nlohmann::adl_serializer<tandor::MoveRecord>::to_json(nlohmann::json& value,
                                                           const tandor::MoveRecord& record) {
    using namespace tandor;
    value = {
        {"id", record.id.string()},
        {"originalPath", pathToJSON(record.originalPath)},
        {"movedPath", pathToJSON(record.movedPath)},
        {"bytes", record.bytes},
        {"date", iso8601String(record.date)},
        {"undone", record.undone},
    };
    if (record.folderID) {
        value["folderID"] = record.folderID->string();
    }
    if (!record.leftBehind.empty()) {
        auto& leftBehind = value["leftBehind"] = nlohmann::json::array();
        for (const auto& path : record.leftBehind) {
            leftBehind.push_back(pathToJSON(path));
        }
    }
    if (record.identity) {
        value["device"] = record.identity->device;
        value["inode"] = record.identity->inode;
    }
}

std::size_t std::hash<tandor::MoveRecord>::operator()(
    const tandor::MoveRecord& record) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(record.id)
        .add(record.originalPath)
        .add(record.movedPath)
        .add(record.bytes)
        .add(record.folderID)
        .add(record.date)
        .add(record.undone)
        .add(record.leftBehind.size());
    for (const auto& path : record.leftBehind) {
        combiner.add(path);
    }
    if (record.identity) {
        combiner.add(record.identity->device).add(record.identity->inode);
    }
    return combiner.value();
}
