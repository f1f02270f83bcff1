#include "TandorCore/FileKind.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/RawValueTable.hpp"

namespace tandor {
namespace {

struct KindRow {
    FileKind value;
    std::string_view raw;
    std::string_view title;
    StorageCategory category;
};

using enum StorageCategory;

constexpr std::array<KindRow, allFileKinds.size()> rows{{
    {FileKind::photos, "photos", "Photos", media},
    {FileKind::rawPhotos, "rawPhotos", "RAW photos", media},
    {FileKind::screenshots, "screenshots", "Screenshots", media},
    {FileKind::videos, "videos", "Videos", media},
    {FileKind::screenRecordings, "screenRecordings", "Screen recordings", media},
    {FileKind::audio, "audio", "Music and audio", media},
    {FileKind::documents, "documents", "Documents", StorageCategory::other},
    {FileKind::installers, "installers", "Installers", downloads},
    {FileKind::archives, "archives", "Archives", downloads},
    {FileKind::diskImages, "diskImages", "Disk images", downloads},
    {FileKind::fonts, "fonts", "Fonts", StorageCategory::other},
    {FileKind::buildFolders, "buildFolders", "Build folders", developer},
    {FileKind::codeProjects, "codeProjects", "Code projects", developer},
    {FileKind::developerTools, "developerTools", "Xcode and simulators", developer},
    {FileKind::aiModels, "aiModels", "AI models", StorageCategory::aiModels},
    {FileKind::applications, "applications", "Applications", apps},
    {FileKind::appCaches, "appCaches", "App caches", caches},
    {FileKind::appData, "appData", "App data", apps},
    {FileKind::messaging, "messaging", "Chats and attachments", StorageCategory::messaging},
    {FileKind::games, "games", "Games", StorageCategory::games},
    {FileKind::deviceBackups, "deviceBackups", "iPhone and iPad backups", backups},
    {FileKind::virtualMachines, "virtualMachines", "Virtual machines and Docker",
     StorageCategory::virtualMachines},
    {FileKind::trash, "trash", "Trash", StorageCategory::other},
    {FileKind::other, "other", "Other files", StorageCategory::other},
}};

const KindRow& row(FileKind kind) {
    return rows[static_cast<std::size_t>(kind)];
}

}  // namespace

std::string_view rawValue(FileKind kind) {
    return row(kind).raw;
}

std::string_view title(FileKind kind) {
    return row(kind).title;
}

StorageCategory category(FileKind kind) {
    return row(kind).category;
}

std::optional<FileKind> fileKindFromRawValue(std::string_view raw) {
    return caseFromRawValue(rows, raw);
}

void to_json(nlohmann::json& value, FileKind kind) {
    value = rawValue(kind);
}

void from_json(const nlohmann::json& value, FileKind& kind) {
    kind = caseFromJSON(rows, value, "file kind");
}

}  // namespace tandor
