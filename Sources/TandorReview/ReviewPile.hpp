#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "TandorCore/Suggestion.hpp"

namespace tandor {

// The items the user chose to move to the Trash, oldest addition first. It lives
// in memory only. Invariant (kept by add): no two entries share a path and no
// entry lies inside another entry's folder ("/" boundary, bytes compared as
// they are). Only decoding takes entries without checking it.
class ReviewPile {
  public:
    struct Entry {
        std::string path;
        std::int64_t bytes = 0;
        // Where the item came from: a rule id, "swipe.<deck>", another source
        // tag, or nothing for an item added by hand.
        std::optional<std::string> ruleID;

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    const std::vector<Entry>& entries() const { return entries_; }

    // Refuses (false) a path already on the pile or inside a folder on it;
    // otherwise drops the entries inside the new path and appends it (true).
    bool add(Entry entry);
    // Adds every item with the suggestion's rule id; refused items are skipped.
    void add(const Suggestion& suggestion);
    // Removes the entry with exactly this path, if there is one.
    void remove(std::string_view path);
    // Removes every entry whose path is one of these, in one pass.
    void removeAll(const std::unordered_set<std::string>& paths);
    // Removes and returns the last entry. Entries it absorbed do not come back.
    std::optional<Entry> undoLast();
    void clear() { entries_.clear(); }

    // An entry has exactly this path.
    bool contains(std::string_view path) const;
    // An entry has this path or is a folder enclosing it: add would refuse it.
    bool covers(std::string_view path) const;
    // The entry with this path or the folder entry enclosing it; null when
    // the pile does not cover path.
    const Entry* entryCovering(std::string_view path) const;

    std::size_t count() const { return entries_.size(); }
    bool isEmpty() const { return entries_.empty(); }
    // Saturates at the ends of the signed 64-bit range.
    std::int64_t totalBytes() const;

    friend bool operator==(const ReviewPile&, const ReviewPile&) = default;
    friend void from_json(const nlohmann::json& value, ReviewPile& pile);

  private:
    std::vector<Entry> entries_;
};

// JSON form {"entries": [{"path", "bytes", "ruleID"?}]}; paths in the lossless
// form. Decoding throws DecodingError and keeps the entries as they stand.
void to_json(nlohmann::json& value, const ReviewPile::Entry& entry);
void from_json(const nlohmann::json& value, ReviewPile::Entry& entry);
void to_json(nlohmann::json& value, const ReviewPile& pile);
void from_json(const nlohmann::json& value, ReviewPile& pile);

}  // namespace tandor

template <>
struct std::hash<tandor::ReviewPile::Entry> {
    std::size_t operator()(const tandor::ReviewPile::Entry& entry) const noexcept;
};
