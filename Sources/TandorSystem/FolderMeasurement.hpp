#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>

namespace tandor {

// The allocated size of what could be read under one folder.
struct FolderMeasurement {
    std::int64_t bytes = 0;
    // Folders at or below it that could not be read; the true size is at least bytes.
    std::int64_t unreadable = 0;

    friend bool operator==(const FolderMeasurement&, const FolderMeasurement&) = default;
};

// JSON: "bytes" and "unreadable", both required.
void to_json(nlohmann::json& value, const FolderMeasurement& measurement);
void from_json(const nlohmann::json& value, FolderMeasurement& measurement);

}  // namespace tandor
