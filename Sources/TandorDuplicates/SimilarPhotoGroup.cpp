#include "TandorDuplicates/SimilarPhotoGroup.hpp"

#include <algorithm>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {
namespace {

bool scoresDecide(const SimilarPhoto& a, const SimilarPhoto& b) {
    return a.qualityScore && b.qualityScore && *a.qualityScore != *b.qualityScore;
}

std::vector<SimilarPhoto> sortedBestFirst(std::vector<SimilarPhoto> photos) {
    std::stable_sort(photos.begin(), photos.end(), SimilarPhotoGroup::goesBefore);
    return photos;
}

}  // namespace

SimilarPhotoGroup::SimilarPhotoGroup(std::vector<SimilarPhoto> photos)
    : photos_(sortedBestFirst(std::move(photos))),
      bestPath_(photos_.front().path),
      bestReason_(reason(photos_.front(), photos_.size() > 1 ? &photos_[1] : nullptr)) {
}

SimilarPhotoGroup::SimilarPhotoGroup(std::vector<SimilarPhoto> photos, std::string bestPath,
                                     std::string bestReason)
    : photos_(std::move(photos)),
      bestPath_(std::move(bestPath)),
      bestReason_(std::move(bestReason)) {
}

bool SimilarPhotoGroup::goesBefore(const SimilarPhoto& a, const SimilarPhoto& b) {
    // Scores that do not compare (NaN) differ but put neither first.
    if (scoresDecide(a, b)) {
        return *a.qualityScore > *b.qualityScore;
    }
    if (a.pixelCount() != b.pixelCount()) {
        return a.pixelCount() > b.pixelCount();
    }
    if (a.bytes != b.bytes) {
        return a.bytes > b.bytes;
    }
    if (a.captureDate != b.captureDate) {
        return a.captureDate < b.captureDate;
    }
    return a.path < b.path;
}

std::string SimilarPhotoGroup::reason(const SimilarPhoto& best, const SimilarPhoto* runnerUp) {
    if (runnerUp == nullptr) {
        return "Only photo";
    }
    if (scoresDecide(best, *runnerUp)) {
        return "Best quality score from image analysis (sharpness, exposure, framing)";
    }
    if (best.pixelCount() != runnerUp->pixelCount()) {
        return "Highest resolution";
    }
    if (best.bytes != runnerUp->bytes) {
        return "Largest file, least compressed";
    }
    return "First shot of the group";
}

std::string SimilarPhotoGroup::id() const {
    const auto smallest = std::min_element(
        photos_.begin(), photos_.end(),
        [](const SimilarPhoto& a, const SimilarPhoto& b) { return a.path < b.path; });
    return smallest == photos_.end() ? std::string() : smallest->path;
}

const SimilarPhoto& SimilarPhotoGroup::best() const {
    const auto found = std::find_if(photos_.begin(), photos_.end(), [&](const SimilarPhoto& photo) {
        return photo.path == bestPath_;
    });
    return found == photos_.end() ? photos_.front() : *found;
}

std::vector<SimilarPhoto> SimilarPhotoGroup::others() const {
    std::vector<SimilarPhoto> result;
    std::copy_if(photos_.begin(), photos_.end(), std::back_inserter(result),
                 [&](const SimilarPhoto& photo) { return photo.path != bestPath_; });
    return result;
}

std::int64_t SimilarPhotoGroup::reclaimableBytes() const {
    std::int64_t total = 0;
    for (const auto& photo : photos_) {
        if (photo.path != bestPath_) {
            total = saturatingAdd(total, photo.bytes);
        }
    }
    return total;
}

SimilarPhotoGroup SimilarPhotoGroup::keeping(std::string_view path) const {
    const bool member = std::any_of(photos_.begin(), photos_.end(),
                                    [&](const SimilarPhoto& photo) { return photo.path == path; });
    if (path == bestPath_ || !member) {
        return *this;
    }
    return SimilarPhotoGroup(photos_, std::string(path), "You chose this shot");
}

bool SimilarPhotoGroup::leavesAPhoto(const std::set<std::string>& ifRemoving) const {
    return std::any_of(photos_.begin(), photos_.end(),
                       [&](const SimilarPhoto& photo) { return !ifRemoving.contains(photo.path); });
}

std::optional<Suggestion> SimilarPhotoGroup::suggestion(
    const std::vector<SimilarPhotoGroup>& groups) {
    std::vector<SuggestionItem> items;
    for (const auto& group : groups) {
        for (const auto& photo : group.others()) {
            items.push_back(
                SuggestionItem{photo.path, photo.bytes, photo.captureDate, std::nullopt});
        }
    }
    if (items.empty()) {
        return std::nullopt;
    }
    std::vector<Evidence> evidence{
        Evidence::observed(std::to_string(groups.size()) +
                           " groups of photos that look alike, compared on this computer "
                           "by their image fingerprints"),
        Evidence::inferred(
            "The kept shot is Tandor's pick; look at each group before moving the others")};
    return Suggestion(std::string(ruleID), std::string(title), StorageCategory::media, std::nullopt,
                      SafetyLevel::needsReview,
                      "Shots that look alike; the best one of each group stays",
                      std::move(evidence), std::move(items));
}

void to_json(nlohmann::json& value, const SimilarPhotoGroup& group) {
    value = nlohmann::json{{"photos", group.photos()},
                           {"bestPath", pathToJSON(group.bestPath())},
                           {"bestReason", group.bestReason()}};
}

}  // namespace tandor

tandor::SimilarPhotoGroup nlohmann::adl_serializer<tandor::SimilarPhotoGroup>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    const auto& object = decode::requireObject(value, "SimilarPhotoGroup");
    return SimilarPhotoGroup(
        decode::requireArray(object, "photos").get<std::vector<SimilarPhoto>>(),
        pathFromJSON(decode::requireKey(object, "bestPath")),
        decode::requireString(object, "bestReason"));
}

std::size_t std::hash<tandor::SimilarPhotoGroup>::operator()(
    const tandor::SimilarPhotoGroup& group) const noexcept {
    tandor::HashCombiner combiner;
    for (const auto& photo : group.photos()) {
        combiner.add(photo);
    }
    return combiner.add(group.bestPath()).add(group.bestReason()).value();
}
