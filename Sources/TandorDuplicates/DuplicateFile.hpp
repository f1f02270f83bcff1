#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorDuplicates/CloneInfo.hpp"

namespace tandor {

// One copy of a group of identical files.
struct DuplicateFile {
    std::string path;
    std::int64_t allocatedSize = 0;
    std::optional<Date> modificationDate;
    std::optional<CloneInfo> clone;  // absent when the volume gave no clone facts

    // The last component of path.
    std::string name() const;
    // What removing this one copy frees: its allocated size, or for a clone
    // only the bytes it does not share, within [0, allocatedSize].
    std::int64_t reclaimableBytes() const;

    friend bool operator==(const DuplicateFile&, const DuplicateFile&) = default;
};

// JSON form: "path", "allocatedSize", and "modificationDate" (ISO 8601) and
// "clone" only when present. Decoding requires the first two and throws
// DecodingError on a missing key or a wrong type.
void to_json(nlohmann::json& value, const DuplicateFile& file);
void from_json(const nlohmann::json& value, DuplicateFile& file);

}  // namespace tandor

template <>
struct std::hash<tandor::DuplicateFile> {
    std::size_t operator()(const tandor::DuplicateFile& file) const noexcept;
};
