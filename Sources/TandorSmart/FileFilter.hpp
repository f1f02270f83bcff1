#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>

namespace tandor {

// Files in one folder of the home folder that an automation picks.
struct FileFilter {
    // Keeps the extensions lower-cased (locale-independent) and distinct, so DMG
    // and dmg are one member; nothing else is changed (a leading "." stays).
    FileFilter(std::string folder, const std::set<std::string>& extensions,
               std::optional<std::int64_t> olderThanDays,
               std::optional<std::int64_t> notOpenedForDays, bool includeSubfolders);

    // Relative to the home folder, without a leading "/" (Downloads).
    std::string folder;
    // Without the dot; empty means files of any extension.
    std::set<std::string> extensions;
    // Only files last modified more than this many days ago.
    std::optional<std::int64_t> olderThanDays;
    // Only files not opened for this many days.
    std::optional<std::int64_t> notOpenedForDays;
    bool includeSubfolders = false;

    // ".dmg, .pkg files in Downloads not opened for 30 days", "items in Desktop".
    std::string summary() const;

    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

}  // namespace tandor

// JSON form: {"folder", "extensions" (array, sorted), "olderThanDays"?,
// "notOpenedForDays"?, "includeSubfolders"}; absent limits are left out and read
// as absent when missing or null. Decoding keeps the extensions as they stand
// (duplicates collapse) and throws DecodingError.
template <>
struct nlohmann::adl_serializer<tandor::FileFilter> {
    static tandor::FileFilter from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::FileFilter& filter);
};

template <>
struct std::hash<tandor::FileFilter> {
    std::size_t operator()(const tandor::FileFilter& filter) const noexcept;
};
