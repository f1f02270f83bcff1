#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/FileIdentity.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// One move of a file or folder into a folder, as the sorting store records it.
// Only `undone` ever changes, once, when the item is put back.
struct MoveRecord {
    // A new record with a fresh random id, not undone.
    MoveRecord(std::string originalPath, std::string movedPath, std::int64_t bytes,
               std::optional<UUID> folderID, Date date);

    UUID id;
    std::string originalPath;
    std::string movedPath;
    std::int64_t bytes = 0;
    // The sorting folder that received the item; absent for any other folder.
    std::optional<UUID> folderID;
    Date date;
    bool undone = false;
    // What stayed at the original place when a move across file systems could
    // not take all of the item (see MoveOutcome); empty for a whole move.
    std::vector<std::string> leftBehind;
    // Which item was at movedPath once it had moved, so that a put back moves
    // that item and no other put there since; absent in records written before
    // moves kept it.
    std::optional<FileIdentity> identity;

    // The last component of originalPath ("/" for the root).
    std::string name() const;

    friend bool operator==(const MoveRecord&, const MoveRecord&) = default;

  private:
    MoveRecord() = default;
    friend struct nlohmann::adl_serializer<MoveRecord>;
};

}  // namespace tandor

// JSON form: keys named as the fields, "folderID" left out when absent and
// "leftBehind" when empty, paths in the lossless form, dates ISO 8601; the
// identity as "device" and "inode", both left out when absent. Decoding
// requires every key but those and throws DecodingError.
template <>
struct nlohmann::adl_serializer<tandor::MoveRecord> {
    static tandor::MoveRecord from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::MoveRecord& record);
};

template <>
struct std::hash<tandor::MoveRecord> {
    std::size_t operator()(const tandor::MoveRecord& record) const noexcept;
};
