#include "TandorReview/SwipeDeckKind.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

struct DeckRow {
    SwipeDeckKind kind;
    std::string_view raw;
    std::string_view title;
    std::string_view subtitle;
    SafetyLevel safety;
};

constexpr std::array<DeckRow, allSwipeDeckKinds.size()> rows{{
    {SwipeDeckKind::downloads, "downloads", "Downloads",
     "Everything in your Downloads folder, largest first.", SafetyLevel::needsReview},
    {SwipeDeckKind::installers, "installers", "Installers and disk images",
     "DEB, RPM, DMG and other installers you probably already used.", SafetyLevel::existsElsewhere},
    {SwipeDeckKind::largeVideos, "largeVideos", "Large videos",
     "Videos over 200 MB outside photo libraries.", SafetyLevel::needsReview},
    {SwipeDeckKind::oldFiles, "oldFiles", "Old files", "Files over 50 MB not changed for a year.",
     SafetyLevel::needsReview},
}};

const DeckRow& row(SwipeDeckKind kind) {
    return rows[static_cast<std::size_t>(kind)];
}

}  // namespace

std::string_view rawValue(SwipeDeckKind kind) {
    return row(kind).raw;
}

std::optional<SwipeDeckKind> swipeDeckKindFromRawValue(std::string_view raw) {
    for (const auto& candidate : rows) {
        if (candidate.raw == raw) {
            return candidate.kind;
        }
    }
    return std::nullopt;
}

std::string_view title(SwipeDeckKind kind) {
    return row(kind).title;
}

std::string_view subtitle(SwipeDeckKind kind) {
    return row(kind).subtitle;
}

SafetyLevel safety(SwipeDeckKind kind) {
    return row(kind).safety;
}

std::string ruleID(SwipeDeckKind kind) {
    return "swipe." + std::string(rawValue(kind));
}

void to_json(nlohmann::json& value, SwipeDeckKind kind) {
    value = rawValue(kind);
}

void from_json(const nlohmann::json& value, SwipeDeckKind& kind) {
    const auto decoded = swipeDeckKindFromRawValue(decode::toString(value, "kind"));
    if (!decoded) {
        throw DecodingError("Unknown swipe deck " + value.dump());
    }
    kind = *decoded;
}

}  // namespace tandor
