#include "TandorCore/JSONDecoding.hpp"

#include <limits>

#include "TandorCore/PathJSON.hpp"

namespace tandor::decode {
namespace {

[[noreturn]] void fail(std::string_view key, std::string_view expected) {
    throw DecodingError("Expected " + std::string(expected) + " for \"" + std::string(key) + "\"");
}

}  // namespace

const nlohmann::json& requireObject(const nlohmann::json& value, std::string_view what) {
    if (!value.is_object()) {
        fail(what, "an object");
    }
    return value;
}

const nlohmann::json& requireKey(const nlohmann::json& object, std::string_view key) {
    const auto found = object.find(key);
    if (found == object.end()) {
        throw DecodingError("Missing key \"" + std::string(key) + "\"");
    }
    return *found;
}

const nlohmann::json& requireArray(const nlohmann::json& object, std::string_view key) {
    const auto& value = requireKey(object, key);
    if (!value.is_array()) {
        fail(key, "an array");
    }
    return value;
}

bool isAbsent(const nlohmann::json& object, std::string_view key) {
    const auto found = object.find(key);
    return found == object.end() || found->is_null();
}

std::int64_t toInt64(const nlohmann::json& value, std::string_view key) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            fail(key, "a 64-bit integer");
        }
        return static_cast<std::int64_t>(number);
    }
    if (!value.is_number_integer()) {
        fail(key, "an integer");
    }
    return value.get<std::int64_t>();
}

bool toBool(const nlohmann::json& value, std::string_view key) {
    if (!value.is_boolean()) {
        fail(key, "a boolean");
    }
    return value.get<bool>();
}

std::string toString(const nlohmann::json& value, std::string_view key) {
    if (!value.is_string()) {
        fail(key, "a string");
    }
    return pathFromJSON(value);
}

Date toDate(const nlohmann::json& value, std::string_view key) {
    if (!value.is_string()) {
        fail(key, "a date");
    }
    const auto date = parseISO8601(value.get_ref<const std::string&>());
    if (!date) {
        fail(key, "an ISO 8601 date");
    }
    return *date;
}

std::int64_t requireInt64(const nlohmann::json& object, std::string_view key) {
    return toInt64(requireKey(object, key), key);
}

bool requireBool(const nlohmann::json& object, std::string_view key) {
    return toBool(requireKey(object, key), key);
}

std::string requireString(const nlohmann::json& object, std::string_view key) {
    return toString(requireKey(object, key), key);
}

Date requireDate(const nlohmann::json& object, std::string_view key) {
    return toDate(requireKey(object, key), key);
}

std::optional<std::string> optionalString(const nlohmann::json& object, std::string_view key) {
    if (isAbsent(object, key)) {
        return std::nullopt;
    }
    return toString(object.at(key), key);
}

std::optional<Date> optionalDate(const nlohmann::json& object, std::string_view key) {
    if (isAbsent(object, key)) {
        return std::nullopt;
    }
    return toDate(object.at(key), key);
}

}  // namespace tandor::decode
