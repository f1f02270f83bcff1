#include "TandorAssistant/ToolArguments.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "TandorCore/PathJSON.hpp"

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

std::string shown(std::string_view path) {
    return pathToJSON(path).get<std::string>();
}

}  // namespace tandor::toolArguments
