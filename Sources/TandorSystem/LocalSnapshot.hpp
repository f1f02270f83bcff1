#pragma once

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// One local snapshot of the root volume, as the system lists it.
struct LocalSnapshot {
    std::string name;
    // Read from the name; absent when the name carries no valid date.
    std::optional<Date> date;

    friend bool operator==(const LocalSnapshot&, const LocalSnapshot&) = default;
};

// JSON: "name" and, when present, "date" (ISO 8601).
void to_json(nlohmann::json& value, const LocalSnapshot& snapshot);
void from_json(const nlohmann::json& value, LocalSnapshot& snapshot);

}  // namespace tandor
