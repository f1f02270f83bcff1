#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"
#include "TandorReview/SortingFate.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// A folder into which files are moved to be decided later, with its fate.
// Only name and fate change after creation.
struct SortingFolder {
    UUID id;
    std::string name;
    std::string path;
    // Created by the system for sorting, rather than an existing folder registered.
    bool isTemporary = false;
    SortingFate fate = SortingFate::keep();
    // The days of a pileAfter fate count from here.
    Date createdAt;

    // For pileAfter: createdAt plus `days` calendar days in the process's time
    // zone, at the same local time of day (so a day across a daylight-saving
    // change is 23 or 25 hours). Absent for the other fates, or when no such
    // date can be formed.
    std::optional<Date> dueDate() const;
    // now is at or after the due date.
    bool isDue(Date now) const;
    // Whole days of 86,400 seconds until the due date, any part counting as a
    // day; 0 once due. Absent when there is no due date.
    std::optional<std::int64_t> daysLeft(Date now) const;

    friend bool operator==(const SortingFolder&, const SortingFolder&) = default;
};

// JSON form: keys named as the fields, all six required; paths in the lossless
// form, dates ISO 8601. Decoding throws DecodingError.
void to_json(nlohmann::json& value, const SortingFolder& folder);
void from_json(const nlohmann::json& value, SortingFolder& folder);

}  // namespace tandor

template <>
struct std::hash<tandor::SortingFolder> {
    std::size_t operator()(const tandor::SortingFolder& folder) const noexcept;
};
