#include "TandorDuplicates/SimilarPhotoReport.hpp"

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {
std::int64_t SimilarPhotoReport::reclaimableBytes() const {
    std::int64_t total = 0;
    for (const auto& group : groups) {
        total = saturatingAdd(total, group.reclaimableBytes());
    }
    return total;
}

std::optional<Suggestion> SimilarPhotoReport::suggestion() const {
    return SimilarPhotoGroup::suggestion(groups);
}

void to_json(nlohmann::json& value, const SimilarPhotoReport& report) {
    auto unreadable = nlohmann::json::array();
    for (const auto& path : report.unreadablePaths) {
        unreadable.push_back(pathToJSON(path));
    }
    value = nlohmann::json{{"groups", report.groups},
                           {"photosCompared", report.photosCompared},
                           {"unreadablePaths", std::move(unreadable)}};
}

void from_json(const nlohmann::json& value, SimilarPhotoReport& report) {
    const auto& object = decode::requireObject(value, "SimilarPhotoReport");
    SimilarPhotoReport decoded;
    for (const auto& group : decode::requireArray(object, "groups")) {
        decoded.groups.push_back(group.get<SimilarPhotoGroup>());
    }
    decoded.photosCompared = decode::requireInt64(object, "photosCompared");
    for (const auto& path : decode::requireArray(object, "unreadablePaths")) {
        decoded.unreadablePaths.push_back(pathFromJSON(path));
    }
    report = std::move(decoded);
}

}  // namespace tandor
