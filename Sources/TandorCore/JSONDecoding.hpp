#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "TandorCore/Date.hpp"

// Strict readers of decoded JSON: a missing required key or a value of the
// wrong type throws DecodingError; nothing is converted silently (1.5 is not an
// integer, 2^63 is out of range, "1" is not a number). Strings are read as
// paths in the lossless form of PathJSON.hpp, so a name that is not UTF-8 comes
// back whole and one holding a NUL is refused.
namespace tandor {

class DecodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

namespace decode {

const nlohmann::json& requireObject(const nlohmann::json& value, std::string_view what);
const nlohmann::json& requireKey(const nlohmann::json& object, std::string_view key);
const nlohmann::json& requireArray(const nlohmann::json& object, std::string_view key);

// True when the key is missing or null: the optional value is absent.
bool isAbsent(const nlohmann::json& object, std::string_view key);

std::int64_t toInt64(const nlohmann::json& value, std::string_view key);
bool toBool(const nlohmann::json& value, std::string_view key);
std::string toString(const nlohmann::json& value, std::string_view key);
Date toDate(const nlohmann::json& value, std::string_view key);

std::int64_t requireInt64(const nlohmann::json& object, std::string_view key);
bool requireBool(const nlohmann::json& object, std::string_view key);
std::string requireString(const nlohmann::json& object, std::string_view key);
Date requireDate(const nlohmann::json& object, std::string_view key);

std::optional<std::string> optionalString(const nlohmann::json& object, std::string_view key);
std::optional<Date> optionalDate(const nlohmann::json& object, std::string_view key);

}  // namespace decode
}  // namespace tandor
