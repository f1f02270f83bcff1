#include "TandorAssistant/JSONValue.hpp"

#include <bit>
#include <cmath>
#include <nlohmann/json.hpp>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

// Integral numbers below this magnitude are written without a fraction.
constexpr double largestWrittenInteger = 9'000'000'000'000'000.0;
// 2^63: the first double outside the signed 64-bit range.
constexpr double int64Limit = 9'223'372'036'854'775'808.0;

bool isIntegral(double value) {
    return std::isfinite(value) && std::trunc(value) == value;
}

JSONValue converted(const nlohmann::json& value, int depth) {
    if (depth > JSONValue::maximumDepth) {
        throw DecodingError("JSON nested too deeply");
    }
    switch (value.type()) {
        case nlohmann::json::value_t::boolean:
            return value.get<bool>();
        case nlohmann::json::value_t::number_integer:
        case nlohmann::json::value_t::number_unsigned:
        case nlohmann::json::value_t::number_float:
            return JSONValue::number(value.get<double>());
        case nlohmann::json::value_t::string:
            return value.get_ref<const std::string&>();
        case nlohmann::json::value_t::array: {
            JSONValue::Array elements;
            elements.reserve(value.size());
            for (const auto& element : value) {
                elements.push_back(converted(element, depth + 1));
            }
            return elements;
        }
        case nlohmann::json::value_t::object: {
            JSONValue::Object members;
            for (const auto& [key, member] : value.items()) {
                members.insert_or_assign(key, converted(member, depth + 1));
            }
            return members;
        }
        default:
            return nullptr;
    }
}

struct NotWritable {};

nlohmann::json written(const JSONValue& value) {
    return std::visit(
        [](const auto& payload) -> nlohmann::json {
            using Payload = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<Payload, double>) {
                if (!std::isfinite(payload)) {
                    throw NotWritable{};
                }
                if (isIntegral(payload) && std::fabs(payload) < largestWrittenInteger) {
                    return static_cast<std::int64_t>(payload);
                }
                return payload;
            } else if constexpr (std::is_same_v<Payload, JSONValue::Array>) {
                nlohmann::json array = nlohmann::json::array();
                for (const auto& element : payload) {
                    array.push_back(written(element));
                }
                return array;
            } else if constexpr (std::is_same_v<Payload, JSONValue::Object>) {
                nlohmann::json object = nlohmann::json::object();
                for (const auto& [key, member] : payload) {
                    object[key] = written(member);
                }
                return object;
            } else {
                return payload;
            }
        },
        value.storage());
}

std::size_t numberHash(double value) {
    // -0 equals 0, so both hash as 0.
    return std::hash<std::uint64_t>{}(value == 0 ? 0 : std::bit_cast<std::uint64_t>(value));
}

}  // namespace

JSONValue JSONValue::number(double value) {
    JSONValue result;
    result.storage_ = value;
    return result;
}

JSONValue JSONValue::array(std::initializer_list<JSONValue> elements) {
    return Array(elements);
}

JSONValue JSONValue::object(std::initializer_list<std::pair<std::string, JSONValue>> members) {
    Object object;
    for (const auto& [key, value] : members) {
        object.insert_or_assign(key, value);
    }
    return object;
}

JSONValue JSONValue::decode(std::string_view text) {
    nlohmann::json parsed;
    try {
        parsed = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& error) {
        throw DecodingError(error.what());
    }
    return converted(parsed, 0);
}

JSONValue JSONValue::from(const nlohmann::json& value) {
    return converted(value, 0);
}

const JSONValue* JSONValue::operator[](std::string_view key) const {
    const auto* object = std::get_if<Object>(&storage_);
    if (object == nullptr) {
        return nullptr;
    }
    const auto found = object->find(std::string(key));
    return found == object->end() ? nullptr : &found->second;
}

std::optional<bool> JSONValue::boolValue() const {
    const auto* value = std::get_if<bool>(&storage_);
    return value ? std::optional<bool>(*value) : std::nullopt;
}

std::optional<std::int64_t> JSONValue::intValue() const {
    const auto* value = std::get_if<double>(&storage_);
    if (value == nullptr || !isIntegral(*value) || *value < -int64Limit || *value >= int64Limit) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*value);
}

std::string JSONValue::text(bool pretty) const {
    try {
        return written(*this).dump(pretty ? 2 : -1, ' ', false,
                                   nlohmann::json::error_handler_t::replace);
    } catch (const NotWritable&) {
        return "null";
    }
}

bool operator==(const JSONValue& a, const JSONValue& b) {
    const auto* left = std::get_if<std::string>(&a.storage_);
    const auto* right = std::get_if<std::string>(&b.storage_);
    if (left != nullptr && right != nullptr) {
        return *left == *right || unicode::canonicallyEqual(*left, *right);
    }
    return a.storage_ == b.storage_;
}

std::size_t JSONValue::hashValue() const {
    HashCombiner hash;
    hash.add(storage_.index());
    std::visit(
        [&hash](const auto& payload) {
            using Payload = std::decay_t<decltype(payload)>;
            if constexpr (std::is_same_v<Payload, bool>) {
                hash.add(payload);
            } else if constexpr (std::is_same_v<Payload, double>) {
                hash.add(numberHash(payload));
            } else if constexpr (std::is_same_v<Payload, std::string>) {
                hash.add(unicode::composed(payload));
            } else if constexpr (std::is_same_v<Payload, JSONValue::Array>) {
                hash.add(payload.size());
                for (const auto& element : payload) {
                    hash.add(element.hashValue());
                }
            } else if constexpr (std::is_same_v<Payload, JSONValue::Object>) {
                // Members are combined by a sum, so their order cannot matter.
                std::size_t members = 0;
                for (const auto& [key, member] : payload) {
                    members += HashCombiner().add(key).add(member.hashValue()).value();
                }
                hash.add(members);
            }
        },
        storage_);
    return hash.value();
}

}  // namespace tandor
