#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

namespace tandor {

// A file's copy-on-write clone facts: files with one cloneID share their data
// blocks; privateSize is what the file does not share with any clone.
struct CloneInfo {
    std::uint64_t cloneID = 0;
    std::int64_t privateSize = 0;

    friend bool operator==(const CloneInfo&, const CloneInfo&) = default;
};

// JSON form: {"cloneID": unsigned, "privateSize": signed}; decoding throws
// DecodingError on a missing key or a value of another type.
void to_json(nlohmann::json& value, const CloneInfo& clone);
void from_json(const nlohmann::json& value, CloneInfo& clone);

}  // namespace tandor

template <>
struct std::hash<tandor::CloneInfo> {
    std::size_t operator()(const tandor::CloneInfo& clone) const noexcept;
};
