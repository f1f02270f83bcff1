#include "TandorDuplicates/DuplicateGroup.hpp"

#include <algorithm>
#include <stdexcept>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorDuplicates/KeeperPolicy.hpp"

namespace tandor {
namespace {

constexpr std::int64_t smallestCloneSavings = 4'096;

std::string keeperReasonFor(const std::vector<DuplicateFile>& ranked,
                            KeeperPolicy::DownloadsFolders downloadsFolders) {
    if (ranked.size() == 1) {
        return "Only copy";
    }
    const auto& keeper = ranked[0];
    const auto& runnerUp = ranked[1];
    for (const auto& factor : KeeperPolicy::factors()) {
        if (factor.matches(runnerUp.path, downloadsFolders) &&
            !factor.matches(keeper.path, downloadsFolders)) {
            return factor.reason;
        }
    }
    if (keeper.modificationDate && runnerUp.modificationDate &&
        *keeper.modificationDate < *runnerUp.modificationDate) {
        return "Keeps the oldest copy";
    }
    return "Keeps the copy with the shortest path";
}

bool hasCloneFacts(const DuplicateFile& file) {
    return file.clone.has_value();
}

}  // namespace

DuplicateGroup::DuplicateGroup(std::string id, std::int64_t logicalSize,
                               std::vector<DuplicateFile> files,
                               std::span<const std::string> downloadsFolders)
    : id_(std::move(id)),
      logicalSize_(logicalSize),
      files_(KeeperPolicy::rank(std::move(files), downloadsFolders)) {
    if (files_.empty()) {
        throw std::invalid_argument("A duplicate group needs at least one file");
    }
    keeperPath_ = files_.front().path;
    keeperReason_ = keeperReasonFor(files_, downloadsFolders);
}

DuplicateGroup DuplicateGroup::restored(std::string id, std::int64_t logicalSize,
                                        std::vector<DuplicateFile> files, std::string keeperPath,
                                        std::string keeperReason) {
    DuplicateGroup group;
    group.id_ = std::move(id);
    group.logicalSize_ = logicalSize;
    group.files_ = std::move(files);
    group.keeperPath_ = std::move(keeperPath);
    group.keeperReason_ = std::move(keeperReason);
    return group;
}

const DuplicateFile& DuplicateGroup::keeper() const {
    const auto found = std::ranges::find(files_, keeperPath_, &DuplicateFile::path);
    return found != files_.end() ? *found : files_.front();
}

std::vector<DuplicateFile> DuplicateGroup::extraCopies() const {
    std::vector<DuplicateFile> extras;
    std::ranges::copy_if(files_, std::back_inserter(extras),
                         [this](const DuplicateFile& file) { return file.path != keeperPath_; });
    return extras;
}

std::int64_t DuplicateGroup::reclaimableBytes() const {
    std::int64_t total = 0;
    for (const auto& file : files_) {
        if (file.path != keeperPath_) {
            total = saturatingAdd(total, file.reclaimableBytes());
        }
    }
    return total;
}

bool DuplicateGroup::sharesAllSpace() const {
    if (!std::ranges::all_of(files_, hasCloneFacts)) {
        return false;
    }
    const auto firstID = files_.front().clone->cloneID;
    const bool oneCloneID = std::ranges::all_of(
        files_, [firstID](const DuplicateFile& file) { return file.clone->cloneID == firstID; });
    if (oneCloneID) {
        return true;
    }
    return reclaimableBytes() < std::max(smallestCloneSavings, logicalSize_ / 100);
}

DuplicateGroup DuplicateGroup::keeping(std::string_view path) const {
    if (path == keeperPath_ ||
        std::ranges::find(files_, path, &DuplicateFile::path) == files_.end()) {
        return *this;
    }
    DuplicateGroup chosen = *this;
    chosen.keeperPath_ = std::string(path);
    chosen.keeperReason_ = "You chose this copy";
    return chosen;
}

bool DuplicateGroup::leavesACopy(const std::set<std::string>& paths) const {
    return std::ranges::any_of(
        files_, [&paths](const DuplicateFile& file) { return !paths.contains(file.path); });
}

std::optional<Suggestion> DuplicateGroup::suggestion(const std::vector<DuplicateGroup>& groups) {
    std::vector<SuggestionItem> items;
    std::int64_t candidates = 0;
    bool hasClones = false;
    for (const auto& group : groups) {
        if (group.sharesAllSpace()) {
            continue;
        }
        ++candidates;
        hasClones = hasClones || std::ranges::any_of(group.files_, hasCloneFacts);
        for (const auto& file : group.extraCopies()) {
            items.push_back({file.path, file.reclaimableBytes(), file.modificationDate, {}});
        }
    }
    if (items.empty()) {
        return std::nullopt;
    }
    std::vector<Evidence> evidence{
        Evidence::observed(std::to_string(candidates) +
                           " groups of files with identical content (same size and SHA-256)"),
        Evidence::observed("One copy of each group stays where it is; only the extra copies are "
                           "listed")};
    if (hasClones) {
        evidence.push_back(Evidence::observed(
            "Copy-on-write clones are counted only for the space they do not share"));
    }
    return Suggestion(std::string(ruleID), std::string(title), StorageCategory::other, std::nullopt,
                      SafetyLevel::existsElsewhere, "Another identical copy stays on your computer",
                      std::move(evidence), std::move(items));
}

void to_json(nlohmann::json& value, const DuplicateGroup& group) {
    value = nlohmann::json::object();
    value["id"] = group.id();
    value["logicalSize"] = group.logicalSize();
    value["files"] = group.files();
    value["keeperPath"] = pathToJSON(group.keeperPath());
    value["keeperReason"] = group.keeperReason();
}

}  // namespace tandor

tandor::DuplicateGroup nlohmann::adl_serializer<tandor::DuplicateGroup>::from_json(
    const nlohmann::json& value) {
    using namespace tandor;
    decode::requireObject(value, "duplicate group");
    auto id = decode::requireString(value, "id");
    const auto logicalSize = decode::requireInt64(value, "logicalSize");
    auto files = decode::requireArray(value, "files").get<std::vector<DuplicateFile>>();
    if (files.empty()) {
        throw DecodingError("\"files\" of a duplicate group is empty");
    }
    auto keeperPath = decode::requireString(value, "keeperPath");
    auto keeperReason = decode::requireString(value, "keeperReason");
    return DuplicateGroup::restored(std::move(id), logicalSize, std::move(files),
                                    std::move(keeperPath), std::move(keeperReason));
}

std::size_t std::hash<tandor::DuplicateGroup>::operator()(
    const tandor::DuplicateGroup& group) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(group.id()).add(group.logicalSize());
    for (const auto& file : group.files()) {
        combiner.add(file);
    }
    return combiner.add(group.keeperPath()).add(group.keeperReason()).value();
}
