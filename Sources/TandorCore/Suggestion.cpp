#include "TandorCore/Suggestion.hpp"

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {

Suggestion::Suggestion(std::string ruleID, std::string title, StorageCategory category,
                       std::optional<std::string> subcategory, SafetyLevel safety,
                       std::string reason, std::vector<Evidence> evidence,
                       std::vector<SuggestionItem> items)
    : id(ruleID),
      ruleID(std::move(ruleID)),
      title(std::move(title)),
      category(category),
      subcategory(std::move(subcategory)),
      safety(safety),
      reason(std::move(reason)),
      evidence(std::move(evidence)),
      items(std::move(items)) {
}

std::int64_t Suggestion::totalBytes() const {
    std::int64_t total = 0;
    for (const auto& item : items) {
        total = saturatingAdd(total, item.bytes);
    }
    return total;
}

Suggestion Suggestion::replacing(std::optional<std::vector<Evidence>> newEvidence,
                                 std::optional<std::vector<SuggestionItem>> newItems) const {
    return Suggestion(ruleID, title, category, subcategory, safety, reason,
                      newEvidence ? std::move(*newEvidence) : evidence,
                      newItems ? std::move(*newItems) : items);
}

void to_json(nlohmann::json& value, const Evidence& evidence) {
    value = {{"kind", evidence.kind == Evidence::Kind::observed ? "observed" : "inferred"},
             {"text", pathToJSON(evidence.text)}};
}

void from_json(const nlohmann::json& value, Evidence& evidence) {
    decode::requireObject(value, "evidence");
    const std::string kind = decode::requireString(value, "kind");
    if (kind == "observed") {
        evidence.kind = Evidence::Kind::observed;
    } else if (kind == "inferred") {
        evidence.kind = Evidence::Kind::inferred;
    } else {
        throw DecodingError("Unknown evidence kind \"" + kind + "\"");
    }
    evidence.text = decode::requireString(value, "text");
}

void to_json(nlohmann::json& value, const SuggestionItem& item) {
    value = {{"path", pathToJSON(item.path)}, {"bytes", item.bytes}};
    if (item.modificationDate) {
        value["modificationDate"] = iso8601String(*item.modificationDate);
    }
    if (item.note) {
        value["note"] = pathToJSON(*item.note);
    }
}

void from_json(const nlohmann::json& value, SuggestionItem& item) {
    decode::requireObject(value, "item");
    item.path = decode::requireString(value, "path");
    item.bytes = decode::requireInt64(value, "bytes");
    item.modificationDate = decode::optionalDate(value, "modificationDate");
    item.note = decode::optionalString(value, "note");
}

void to_json(nlohmann::json& value, const Suggestion& suggestion) {
    value = {
        {"id", pathToJSON(suggestion.id)},       {"ruleID", pathToJSON(suggestion.ruleID)},
        {"title", pathToJSON(suggestion.title)}, {"category", suggestion.category},
        {"safety", suggestion.safety},           {"reason", pathToJSON(suggestion.reason)},
        {"evidence", suggestion.evidence},       {"items", suggestion.items},
    };
    if (suggestion.subcategory) {
        value["subcategory"] = pathToJSON(*suggestion.subcategory);
    }
}

namespace {

template <typename Element>
std::vector<Element> requireArray(const nlohmann::json& object, std::string_view key) {
    return decode::requireArray(object, key).get<std::vector<Element>>();
}

}  // namespace
}  // namespace tandor

tandor::Suggestion nlohmann::adl_serializer<tandor::Suggestion>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "suggestion");
    Suggestion suggestion(
        decode::requireString(value, "ruleID"), decode::requireString(value, "title"),
        decode::requireKey(value, "category").get<StorageCategory>(),
        decode::optionalString(value, "subcategory"),
        decode::requireKey(value, "safety").get<SafetyLevel>(),
        decode::requireString(value, "reason"), requireArray<Evidence>(value, "evidence"),
        requireArray<SuggestionItem>(value, "items"));
    // The id is kept as written, even where it differs from the rule id.
    suggestion.id = decode::requireString(value, "id");
    return suggestion;
}

std::size_t std::hash<tandor::Evidence>::operator()(
    const tandor::Evidence& evidence) const noexcept {
    return tandor::HashCombiner().add(evidence.kind).add(evidence.text).value();
}

std::size_t std::hash<tandor::SuggestionItem>::operator()(
    const tandor::SuggestionItem& item) const noexcept {
    return tandor::HashCombiner()
        .add(item.path)
        .add(item.bytes)
        .add(item.modificationDate)
        .add(item.note)
        .value();
}

std::size_t std::hash<tandor::Suggestion>::operator()(
    const tandor::Suggestion& suggestion) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(suggestion.id)
        .add(suggestion.ruleID)
        .add(suggestion.title)
        .add(suggestion.category)
        .add(suggestion.subcategory)
        .add(suggestion.safety)
        .add(suggestion.reason);
    for (const auto& evidence : suggestion.evidence) {
        combiner.add(evidence);
    }
    for (const auto& item : suggestion.items) {
        combiner.add(item);
    }
    return combiner.value();
}
