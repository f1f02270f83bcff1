#include "TandorAssistant/ToolArguments.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor::toolArguments {

std::optional<std::string> text(const JSONValue& arguments, std::string_view key) {
    const JSONValue* value = arguments[key];
    const std::string* string = value ? value->stringValue() : nullptr;
    return string ? std::optional<std::string>(*string) : std::nullopt;
}

bool flag(const JSONValue& arguments, std::string_view key) {
    const JSONValue* value = arguments[key];
    return value && value->boolValue().value_or(false);
}

std::int64_t count(const JSONValue& arguments, std::string_view key, std::int64_t fallback,
                   std::int64_t maximum) {
    const JSONValue* value = arguments[key];
    const auto integer = value ? value->intValue() : std::nullopt;
    return integer ? std::clamp<std::int64_t>(*integer, 1, maximum) : fallback;
}

JSONValue pathText(std::string_view path) {
    return shown(path);
}

std::optional<std::string> pathBytes(std::string_view text) {
    std::string bytes;
    try {
        bytes = textFromJSON(std::string(text));
    } catch (const DecodingError&) {
        return std::nullopt;
    }
    if (paths::holdsNul(bytes)) {
        throw ToolError("A path cannot hold a NUL character.");
    }
    return bytes;
}

std::string shown(std::string_view path) {
    return pathToJSON(path).get<std::string>();
}

}  // namespace tandor::toolArguments
