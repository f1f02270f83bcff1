#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorCore/SafetyLevel.hpp"

namespace tandor {
namespace {

JSONValue safetyProperty() {
    JSONValue::Array levels;
    for (const auto level : allSafetyLevels) {
        levels.push_back(rawValue(level));
    }
    return JSONValue::object({{"type", "string"},
                              {"enum", std::move(levels)},
                              {"description", "Only suggestions with this safety level."}});
}

JSONValue itemsProperty() {
    const JSONValue item = TandorAssistant::schema(
        {{"path", JSONValue::object({{"type", "string"},
                                     {"description", "Absolute path inside the home folder."}})},
         {"reason", JSONValue::object(
                        {{"type", "string"}, {"description", "One short line: why it can go."}})}},
        {"path", "reason"});
    return JSONValue::object(
        {{"type", "array"}, {"minItems", 1}, {"maxItems", 200}, {"items", item}});
}

}  // namespace

JSONValue TandorAssistant::schema(JSONValue::Object properties,
                                  const std::vector<std::string>& required) {
    JSONValue::Object object{
        {"type", "object"}, {"properties", std::move(properties)}, {"additionalProperties", false}};
    if (!required.empty()) {
        object.emplace("required", JSONValue::Array(required.begin(), required.end()));
    }
    return object;
}

const JSONValue& TandorAssistant::pathProperty() {
    static const JSONValue property = JSONValue::object(
        {{"type", "string"},
         {"description",
          "Absolute path inside the home folder, or ~/… (default: the home folder)."}});
    return property;
}

const JSONValue& TandorAssistant::topProperty() {
    static const JSONValue property =
        JSONValue::object({{"type", "integer"},
                           {"minimum", 1},
                           {"maximum", 100},
                           {"description", "How many entries to list."}});
    return property;
}

const JSONValue& TandorAssistant::refreshProperty() {
    static const JSONValue property = JSONValue::object(
        {{"type", "boolean"}, {"description", "Scan again instead of reusing the last scan."}});
    return property;
}

std::vector<AssistantTool> TandorAssistant::tools() {
    const auto folderProperties = JSONValue::Object{
        {"path", pathProperty()}, {"top", topProperty()}, {"refresh", refreshProperty()}};
    return {
        {"disk_overview", "Disk overview",
         "Total size of a folder (default: the home folder) and its biggest children.",
         schema(folderProperties, {}), true,
         [this](const JSONValue& arguments) { return overview(arguments); }},
        {"folder_contents", "Folder contents",
         "The biggest files and folders inside one folder, with sizes and dates. Files under 1 MB "
         "are counted in their folder, not listed.",
         schema({{"path", pathProperty()}, {"top", topProperty()}}, {"path"}), true,
         [this](const JSONValue& arguments) { return folderContents(arguments); }},
        {"storage_categories", "Storage by kind",
         "Where the space goes by kind of file (photos, build folders, AI models, app caches…), "
         "with the biggest owners and items of each kind.",
         schema(folderProperties, {}), true,
         [this](const JSONValue& arguments) { return categories(arguments); }},
        {"cleanup_suggestions", "Cleanup suggestions",
         "Tandor's explained cleanup suggestions: what, how much, why, how safe, and the evidence "
         "behind each.",
         schema({{"path", pathProperty()},
                 {"safety", safetyProperty()},
                 {"items_per_suggestion",
                  JSONValue::object({{"type", "integer"},
                                     {"minimum", 1},
                                     {"maximum", 50},
                                     {"description", "Items listed per suggestion (default 5)."}})},
                 {"refresh", refreshProperty()}},
                {}),
         true, [this](const JSONValue& arguments) { return suggestions(arguments); }},
        {"list_rules", "Cleanup rules",
         "The rules behind Tandor's suggestions, with their safety level and reason.",
         schema({}, {}), true, [](const JSONValue&) { return rules(); }},
        {"propose_for_pile", "Propose files for the pile",
         "Suggest files or folders the user could remove. Nothing moves: Tandor lists them in its "
         "app, and the user decides there and confirms. Give each item a short reason in the "
         "user's language.",
         schema({{"items", itemsProperty()}}, {"items"}), false,
         [this](const JSONValue& arguments) { return propose(arguments); }},
    };
}

MCPServer TandorAssistant::server(std::string version, MCPServer::IsAllowed isAllowed) {
    return MCPServer("tandor", std::move(version), std::string(instructions), tools(),
                     std::move(isAllowed));
}

}  // namespace tandor
