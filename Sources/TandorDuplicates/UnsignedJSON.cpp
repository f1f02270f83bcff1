#include "TandorDuplicates/UnsignedJSON.hpp"

#include <string>

namespace tandor::decode {

std::uint64_t requireUInt64(const nlohmann::json& object, std::string_view key) {
    const auto& value = requireKey(object, key);
    if (value.is_number_unsigned()) {
        return value.get<std::uint64_t>();
    }
    if (value.is_number_integer() && value.get<std::int64_t>() >= 0) {
        return static_cast<std::uint64_t>(value.get<std::int64_t>());
    }
    throw DecodingError("\"" + std::string(key) + "\" is not an unsigned integer");
}

}  // namespace tandor::decode
