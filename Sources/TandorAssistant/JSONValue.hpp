#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace tandor {

// The JSON value of the assistant bridge: every protocol message, tool
// argument, tool schema and tool result is one. A plain value; copies are
// independent. Numbers are held as doubles, integers too.
class JSONValue {
  public:
    using Array = std::vector<JSONValue>;
    // Each key once; text output always sorts the keys.
    using Object = std::map<std::string, JSONValue>;
    // The cases in their order: null, bool, number, string, array, object.
    using Storage = std::variant<std::nullptr_t, bool, double, std::string, Array, Object>;

    // Literal forms: nothing or nullptr is null, a bool, an integer (held as a
    // double), a string, an array or an object.
    JSONValue() : storage_(nullptr) {}
    JSONValue(std::nullptr_t) : storage_(nullptr) {}
    JSONValue(bool value) : storage_(value) {}
    template <typename Integer>
    requires(std::is_integral_v<Integer> && !std::is_same_v<Integer, bool>) JSONValue(Integer value)
        : storage_(static_cast<double>(value)) {}
    JSONValue(const char* text) : storage_(std::string(text)) {}
    JSONValue(std::string text) : storage_(std::move(text)) {}
    JSONValue(std::string_view text) : storage_(std::string(text)) {}
    JSONValue(Array elements) : storage_(std::move(elements)) {}
    JSONValue(Object members) : storage_(std::move(members)) {}

    // A number that may have a fraction; there is no floating-point literal.
    static JSONValue number(double value);
    static JSONValue array(std::initializer_list<JSONValue> elements);
    // When a key is given twice, the later value replaces the earlier one.
    static JSONValue object(std::initializer_list<std::pair<std::string, JSONValue>> members);

    // One JSON text (surrounding white space allowed). Throws DecodingError for
    // anything else, including numbers beyond the range of a double, invalid
    // UTF-8 and nesting deeper than maximumDepth.
    static JSONValue decode(std::string_view text);
    static constexpr int maximumDepth = 256;

    // Any value nlohmann can write (a record with to_json, a date as ISO 8601
    // text through its own to_json): the same value as a JSONValue.
    static JSONValue from(const nlohmann::json& value);

    // The case, for callers that match it directly (objects and numbers have
    // no accessor of their own).
    const Storage& storage() const { return storage_; }

    // The member under key of an object; null when this is not an object or has
    // no such member (a member holding JSON null is present).
    const JSONValue* operator[](std::string_view key) const;

    // Each gives its case's payload and nothing for every other case; nothing
    // is converted (the number 1 is no bool, the string "7" no integer).
    const std::string* stringValue() const { return std::get_if<std::string>(&storage_); }
    std::optional<bool> boolValue() const;
    // An integral, finite number inside the signed 64-bit range.
    std::optional<std::int64_t> intValue() const;
    const Array* arrayValue() const { return std::get_if<Array>(&storage_); }

    // The JSON text with every object's keys sorted and "/" unescaped; pretty
    // puts members and elements on lines of their own, indented. A value
    // holding a NaN or infinite number anywhere gives the text "null". Never
    // fails: bytes that are not UTF-8 are replaced by U+FFFD.
    std::string text(bool pretty) const;

    // Same case and equal payloads: numbers as doubles (NaN is unequal to
    // itself, -0 equals 0), strings by canonical equivalence.
    friend bool operator==(const JSONValue& a, const JSONValue& b);

    // Consistent with ==.
    std::size_t hashValue() const;

  private:
    Storage storage_;
};

}  // namespace tandor

template <>
struct std::hash<tandor::JSONValue> {
    std::size_t operator()(const tandor::JSONValue& value) const noexcept {
        return value.hashValue();
    }
};
