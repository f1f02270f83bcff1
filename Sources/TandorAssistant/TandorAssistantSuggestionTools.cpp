#include <algorithm>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorAssistant/ToolArguments.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/InstalledPackages.hpp"

namespace tandor {
namespace {

JSONValue suggestionObject(const Suggestion& suggestion, std::int64_t itemsPerSuggestion) {
    JSONValue::Array evidence;
    for (const auto& line : suggestion.evidence) {
        evidence.push_back(JSONValue::object(
            {{"kind", line.kind == Evidence::Kind::observed ? "observed" : "inferred"},
             {"text", toolArguments::pathText(line.text)}}));
    }
    std::vector<SuggestionItem> items = suggestion.items;
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.bytes > b.bytes; });
    JSONValue::Array listed;
    for (const auto& item : items) {
        if (std::cmp_greater_equal(listed.size(), itemsPerSuggestion)) {
            break;
        }
        listed.push_back(JSONValue::object({{"path", toolArguments::pathText(item.path)},
                                            {"size", ByteFormat::string(item.bytes)}}));
    }
    const std::int64_t bytes = suggestion.totalBytes();
    return JSONValue::object({{"rule", suggestion.ruleID},
                              {"title", suggestion.title},
                              {"category", rawValue(suggestion.category)},
                              {"safety", rawValue(suggestion.safety)},
                              {"reason", suggestion.reason},
                              {"evidence", std::move(evidence)},
                              {"bytes", bytes},
                              {"size", ByteFormat::string(bytes)},
                              {"itemCount", suggestion.items.size()},
                              {"items", std::move(listed)}});
}

}  // namespace

JSONValue TandorAssistant::suggestions(const JSONValue& arguments) {
    const auto found = find(arguments, toolArguments::flag(arguments, "refresh"), ".");
    const AnalysisContext context(HomePlaces::read(allowedRoot_), now_(), {},
                                  InstalledPackages::read(packageStatus_));
    std::vector<Suggestion> kept = RuleAnalyzer(BuiltInRules::all()).analyze(found.node, context);
    if (const auto safety = toolArguments::text(arguments, "safety")) {
        const auto level = safetyLevelFromRawValue(*safety);
        if (!level) {
            throw ToolError("Unknown safety level " + *safety + ".");
        }
        std::erase_if(kept, [&](const auto& suggestion) { return suggestion.safety != *level; });
    }
    const auto itemsPerSuggestion = toolArguments::count(arguments, "items_per_suggestion", 5, 50);
    std::int64_t recoverable = 0;
    JSONValue::Array listed;
    for (const auto& suggestion : kept) {
        recoverable = saturatingAdd(recoverable, suggestion.totalBytes());
        listed.push_back(suggestionObject(suggestion, itemsPerSuggestion));
    }
    return JSONValue::object({{"path", toolArguments::pathText(found.node->path())},
                              {"recoverable", ByteFormat::string(recoverable)},
                              {"recoverableBytes", recoverable},
                              {"suggestions", std::move(listed)}});
}

JSONValue TandorAssistant::rules() {
    JSONValue::Array listed;
    for (const auto& rule : BuiltInRules::all()) {
        JSONValue::Object object{{"id", rule.id()},
                                 {"title", rule.title()},
                                 {"category", rawValue(rule.category())},
                                 {"safety", rawValue(rule.safety())},
                                 {"reason", rule.reason()}};
        if (rule.howToRecover()) {
            object.emplace("howToRecover", *rule.howToRecover());
        }
        listed.push_back(std::move(object));
    }
    return listed;
}

}  // namespace tandor
