#pragma once

#include <nlohmann/json.hpp>

#include "TandorCore/FileIdentity.hpp"

// How the duplicates engine stores and indexes a file's identity.
namespace tandor {

// JSON form: {"device": unsigned, "inode": unsigned}; decoding throws
// DecodingError on a missing key or a value that is not an unsigned integer.
void to_json(nlohmann::json& value, const FileIdentity& identity);
void from_json(const nlohmann::json& value, FileIdentity& identity);

}  // namespace tandor

template <>
struct std::hash<tandor::FileIdentity> {
    std::size_t operator()(const tandor::FileIdentity& identity) const noexcept;
};
