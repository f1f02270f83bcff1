#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorDuplicates/SimilarPhoto.hpp"

namespace tandor {

// Shots that look alike, with the one that stays (the best shot) and why.
class SimilarPhotoGroup {
  public:
    // The rule id under which similar photos reach the pile and the suggestion.
    static constexpr std::string_view ruleID = "similar-photos";
    static constexpr std::string_view title = "Similar photos";

    // Sorts the photos best shot first (a stable sort by goesBefore) and names
    // the first one as the best, with reason(). photos must not be empty.
    explicit SimilarPhotoGroup(std::vector<SimilarPhoto> photos);

    // Takes the values as they are: nothing is sorted or recomputed.
    SimilarPhotoGroup(std::vector<SimilarPhoto> photos, std::string bestPath,
                      std::string bestReason);

    // The best-shot order: a higher quality score (only when both photos have
    // one), then more pixels, then more bytes, then the earlier capture date,
    // then the path that sorts first.
    static bool goesBefore(const SimilarPhoto& a, const SimilarPhoto& b);

    // Why best stays rather than the runner-up.
    static std::string reason(const SimilarPhoto& best, const SimilarPhoto* runnerUp);

    const std::vector<SimilarPhoto>& photos() const { return photos_; }
    const std::string& bestPath() const { return bestPath_; }
    const std::string& bestReason() const { return bestReason_; }

    // The smallest path of the group (byte order), "" without photos. It does
    // not depend on the best shot.
    std::string id() const;
    // The photo at bestPath, else the first one. The group must hold a photo.
    const SimilarPhoto& best() const;
    // Every photo but the best, in stored order.
    std::vector<SimilarPhoto> others() const;
    // What moving the others would free.
    std::int64_t reclaimableBytes() const;

    // The same group with the photo at path as the best shot; unchanged when it
    // already is, or when no photo has that path.
    SimilarPhotoGroup keeping(std::string_view path) const;

    // Whether removing these paths would leave at least one shot.
    bool leavesAPhoto(const std::set<std::string>& ifRemoving) const;

    // The one cleanup suggestion for every shot but the best of each group;
    // nothing when no group has such a shot.
    static std::optional<Suggestion> suggestion(const std::vector<SimilarPhotoGroup>& groups);

    friend bool operator==(const SimilarPhotoGroup&, const SimilarPhotoGroup&) = default;

  private:
    std::vector<SimilarPhoto> photos_;
    std::string bestPath_;
    std::string bestReason_;
};

// JSON form: "photos", "bestPath", "bestReason". Decoding is strict (throws
// DecodingError) and keeps the stored order and reason.
void to_json(nlohmann::json& value, const SimilarPhotoGroup& group);

}  // namespace tandor

template <>
struct nlohmann::adl_serializer<tandor::SimilarPhotoGroup> {
    static tandor::SimilarPhotoGroup from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::SimilarPhotoGroup& group) {
        tandor::to_json(value, group);
    }
};

template <>
struct std::hash<tandor::SimilarPhotoGroup> {
    std::size_t operator()(const tandor::SimilarPhotoGroup& group) const noexcept;
};
