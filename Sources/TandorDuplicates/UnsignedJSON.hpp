#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor::decode {

// The unsigned 64-bit integer at key; a missing key, a negative number, a
// fraction or any other type throws DecodingError.
std::uint64_t requireUInt64(const nlohmann::json& object, std::string_view key);

}  // namespace tandor::decode
