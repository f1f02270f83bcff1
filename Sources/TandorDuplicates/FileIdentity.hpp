#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

namespace tandor {

// Which file on which volume a path names: every hard link to one file has the
// same identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// JSON form: {"device": unsigned, "inode": unsigned}; decoding throws
// DecodingError on a missing key or a value that is not an unsigned integer.
void to_json(nlohmann::json& value, const FileIdentity& identity);
void from_json(const nlohmann::json& value, FileIdentity& identity);

}  // namespace tandor

template <>
struct std::hash<tandor::FileIdentity> {
    std::size_t operator()(const tandor::FileIdentity& identity) const noexcept;
};
