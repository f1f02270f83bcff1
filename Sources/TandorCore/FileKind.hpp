#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string_view>

#include "TandorCore/StorageCategory.hpp"

namespace tandor {

// What a file or folder is; every kind belongs to exactly one storage category.
enum class FileKind {
    photos,
    rawPhotos,
    screenshots,
    videos,
    screenRecordings,
    audio,
    documents,
    installers,
    archives,
    diskImages,
    fonts,
    buildFolders,
    codeProjects,
    developerTools,
    aiModels,
    applications,
    appCaches,
    appData,
    messaging,
    games,
    deviceBackups,
    virtualMachines,
    trash,
    other,
};

inline constexpr std::array allFileKinds{
    FileKind::photos,
    FileKind::rawPhotos,
    FileKind::screenshots,
    FileKind::videos,
    FileKind::screenRecordings,
    FileKind::audio,
    FileKind::documents,
    FileKind::installers,
    FileKind::archives,
    FileKind::diskImages,
    FileKind::fonts,
    FileKind::buildFolders,
    FileKind::codeProjects,
    FileKind::developerTools,
    FileKind::aiModels,
    FileKind::applications,
    FileKind::appCaches,
    FileKind::appData,
    FileKind::messaging,
    FileKind::games,
    FileKind::deviceBackups,
    FileKind::virtualMachines,
    FileKind::trash,
    FileKind::other,
};

std::string_view rawValue(FileKind kind);
std::optional<FileKind> fileKindFromRawValue(std::string_view raw);
std::string_view title(FileKind kind);
StorageCategory category(FileKind kind);

void to_json(nlohmann::json& value, FileKind kind);
void from_json(const nlohmann::json& value, FileKind& kind);

}  // namespace tandor
