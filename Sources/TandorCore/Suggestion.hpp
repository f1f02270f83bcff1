#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/SafetyLevel.hpp"
#include "TandorCore/StorageCategory.hpp"

namespace tandor {

// One line of evidence behind a suggestion.
struct Evidence {
    enum class Kind { observed, inferred };

    Kind kind = Kind::observed;
    std::string text;

    static Evidence observed(std::string text) { return {Kind::observed, std::move(text)}; }
    static Evidence inferred(std::string text) { return {Kind::inferred, std::move(text)}; }

    friend bool operator==(const Evidence&, const Evidence&) = default;
};

// One proposed file or folder with the size its producer measured.
struct SuggestionItem {
    std::string path;
    std::int64_t bytes = 0;
    std::optional<Date> modificationDate;
    std::optional<std::string> note;

    friend bool operator==(const SuggestionItem&, const SuggestionItem&) = default;
};

// What one rule proposes: items in one category with one safety level, a reason
// and the evidence for it.
struct Suggestion {
    // id is set to ruleID.
    Suggestion(std::string ruleID, std::string title, StorageCategory category,
               std::optional<std::string> subcategory, SafetyLevel safety, std::string reason,
               std::vector<Evidence> evidence, std::vector<SuggestionItem> items);

    std::string id;
    std::string ruleID;
    std::string title;
    StorageCategory category;
    std::optional<std::string> subcategory;
    SafetyLevel safety;
    std::string reason;
    std::vector<Evidence> evidence;
    std::vector<SuggestionItem> items;

    // The sum of the items' bytes.
    std::int64_t totalBytes() const;

    // A copy with the given lists in place of the current ones, rebuilt through
    // the constructor (so its id is its ruleID).
    Suggestion replacing(std::optional<std::vector<Evidence>> newEvidence,
                         std::optional<std::vector<SuggestionItem>> newItems) const;

    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// JSON forms: keys are the field names, absent optionals are left out, texts
// use the lossless path form and dates ISO 8601. Decoding throws DecodingError.
void to_json(nlohmann::json& value, const Evidence& evidence);
void from_json(const nlohmann::json& value, Evidence& evidence);
void to_json(nlohmann::json& value, const SuggestionItem& item);
void from_json(const nlohmann::json& value, SuggestionItem& item);
void to_json(nlohmann::json& value, const Suggestion& suggestion);

}  // namespace tandor

// Suggestion has no empty state, so it is decoded by value.
template <>
struct nlohmann::adl_serializer<tandor::Suggestion> {
    static tandor::Suggestion from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::Suggestion& suggestion) {
        tandor::to_json(value, suggestion);
    }
};

template <>
struct std::hash<tandor::Evidence> {
    std::size_t operator()(const tandor::Evidence& evidence) const noexcept;
};
template <>
struct std::hash<tandor::SuggestionItem> {
    std::size_t operator()(const tandor::SuggestionItem& item) const noexcept;
};
template <>
struct std::hash<tandor::Suggestion> {
    std::size_t operator()(const tandor::Suggestion& suggestion) const noexcept;
};
