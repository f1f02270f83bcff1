#include "TandorCore/StorageCategory.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/RawValueTable.hpp"

namespace tandor {
namespace {

struct CategoryRow {
    StorageCategory value;
    std::string_view raw;
    std::string_view title;
};

constexpr std::array<CategoryRow, allStorageCategories.size()> categoryRows{{
    {StorageCategory::developer, "developer", "Developer"},
    {StorageCategory::caches, "caches", "Caches"},
    {StorageCategory::downloads, "downloads", "Downloads"},
    {StorageCategory::aiModels, "aiModels", "AI models"},
    {StorageCategory::largeFiles, "largeFiles", "Large files"},
    {StorageCategory::media, "media", "Photos & videos"},
    {StorageCategory::apps, "apps", "Apps"},
    {StorageCategory::messaging, "messaging", "Messaging"},
    {StorageCategory::games, "games", "Games"},
    {StorageCategory::backups, "backups", "Backups"},
    {StorageCategory::virtualMachines, "virtualMachines", "Virtual machines"},
    {StorageCategory::other, "other", "Other"},
}};

const CategoryRow& row(StorageCategory category) {
    return categoryRows[static_cast<std::size_t>(category)];
}

}  // namespace

std::string_view rawValue(StorageCategory category) {
    return row(category).raw;
}

std::string_view title(StorageCategory category) {
    return row(category).title;
}

std::optional<StorageCategory> storageCategoryFromRawValue(std::string_view raw) {
    return caseFromRawValue(categoryRows, raw);
}

void to_json(nlohmann::json& value, StorageCategory category) {
    value = rawValue(category);
}

void from_json(const nlohmann::json& value, StorageCategory& category) {
    category = caseFromJSON(categoryRows, value, "storage category");
}

}  // namespace tandor
