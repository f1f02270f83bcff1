#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string_view>

namespace tandor {

// The coarse groups of disk use under which kinds are summed and suggestions shown.
enum class StorageCategory {
    developer,
    caches,
    downloads,
    aiModels,
    largeFiles,
    media,
    apps,
    messaging,
    games,
    backups,
    virtualMachines,
    other,
};

inline constexpr std::array allStorageCategories{
    StorageCategory::developer, StorageCategory::caches,          StorageCategory::downloads,
    StorageCategory::aiModels,  StorageCategory::largeFiles,      StorageCategory::media,
    StorageCategory::apps,      StorageCategory::messaging,       StorageCategory::games,
    StorageCategory::backups,   StorageCategory::virtualMachines, StorageCategory::other,
};

std::string_view rawValue(StorageCategory category);
std::optional<StorageCategory> storageCategoryFromRawValue(std::string_view raw);
std::string_view title(StorageCategory category);

void to_json(nlohmann::json& value, StorageCategory category);
void from_json(const nlohmann::json& value, StorageCategory& category);

}  // namespace tandor
