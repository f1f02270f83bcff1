#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorCore/FileIdentity.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// One item moved to the Trash, with enough to put it back. Only `restored`
// ever changes, once, when the item is put back.
struct HistoryRecord {
    // A new record with a fresh random id, not restored.
    HistoryRecord(std::string originalPath, std::string trashedPath, std::int64_t bytes,
                  std::optional<std::string> ruleID, Date date);

    UUID id;
    std::string originalPath;
    // Where the trasher put the item.
    std::string trashedPath;
    // The size the item stood for on the pile.
    std::int64_t bytes = 0;
    // The pile entry's source tag; absent for an item added by hand.
    std::optional<std::string> ruleID;
    Date date;
    bool restored = false;
    // The identity of the item at trashedPath once it was moved there, so that
    // another file put in its place is never taken for it; absent in records
    // written before it was kept.
    std::optional<FileIdentity> identity;

    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;

  private:
    HistoryRecord() = default;
    friend struct nlohmann::adl_serializer<HistoryRecord>;
};

}  // namespace tandor

// JSON form: keys named as the fields, "ruleID" left out when absent (missing or
// null both read as absent), paths in the lossless form, dates ISO 8601 at whole
// seconds, the identity as the unsigned numbers "device" and "inode", both left
// out when absent. Decoding requires every other key and throws DecodingError.
template <>
struct nlohmann::adl_serializer<tandor::HistoryRecord> {
    static tandor::HistoryRecord from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::HistoryRecord& record);
};

template <>
struct std::hash<tandor::HistoryRecord> {
    std::size_t operator()(const tandor::HistoryRecord& record) const noexcept;
};
