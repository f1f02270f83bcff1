#include "TandorReview/ReviewPile.hpp"

#include <algorithm>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

bool ReviewPile::add(Entry entry) {
    if (covers(entry.path)) {
        return false;
    }
    std::erase_if(entries_, [&](const Entry& existing) {
        return paths::isInside(existing.path, entry.path);
    });
    entries_.push_back(std::move(entry));
    return true;
}

void ReviewPile::add(const Suggestion& suggestion) {
    for (const auto& item : suggestion.items) {
        add(Entry{item.path, item.bytes, suggestion.ruleID});
    }
}

void ReviewPile::remove(std::string_view path) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.path == path; });
}

void ReviewPile::removeAll(const std::unordered_set<std::string>& paths) {
    std::erase_if(entries_, [&](const Entry& entry) { return paths.contains(entry.path); });
}

std::optional<ReviewPile::Entry> ReviewPile::undoLast() {
    if (entries_.empty()) {
        return std::nullopt;
    }
    Entry last = std::move(entries_.back());
    entries_.pop_back();
    return last;
}

bool ReviewPile::contains(std::string_view path) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& entry) { return entry.path == path; });
}

bool ReviewPile::covers(std::string_view path) const {
    return entryCovering(path) != nullptr;
}

const ReviewPile::Entry* ReviewPile::entryCovering(std::string_view path) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.path == path || paths::isInside(path, entry.path);
    });
    return found == entries_.end() ? nullptr : &*found;
}

std::int64_t ReviewPile::totalBytes() const {
    std::int64_t total = 0;
    for (const auto& entry : entries_) {
        total = saturatingAdd(total, entry.bytes);
    }
    return total;
}

void to_json(nlohmann::json& value, const ReviewPile::Entry& entry) {
    value = {{"path", pathToJSON(entry.path)}, {"bytes", entry.bytes}};
    if (entry.ruleID) {
        value["ruleID"] = pathToJSON(*entry.ruleID);
    }
}

void from_json(const nlohmann::json& value, ReviewPile::Entry& entry) {
    decode::requireObject(value, "entry");
    entry.path = decode::requireString(value, "path");
    entry.bytes = decode::requireInt64(value, "bytes");
    entry.ruleID = decode::optionalString(value, "ruleID");
}

void to_json(nlohmann::json& value, const ReviewPile& pile) {
    value = {{"entries", pile.entries()}};
}

void from_json(const nlohmann::json& value, ReviewPile& pile) {
    decode::requireObject(value, "pile");
    pile.entries_ = decode::requireArray(value, "entries").get<std::vector<ReviewPile::Entry>>();
}

}  // namespace tandor

std::size_t std::hash<tandor::ReviewPile::Entry>::operator()(
    const tandor::ReviewPile::Entry& entry) const noexcept {
    return tandor::HashCombiner().add(entry.path).add(entry.bytes).add(entry.ruleID).value();
}
