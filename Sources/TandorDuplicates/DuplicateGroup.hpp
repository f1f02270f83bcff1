#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorDuplicates/DuplicateFile.hpp"

namespace tandor {

// A set of files with identical content, best keeper first, with the copy
// that stays and the reason it stays. A value: choosing another keeper
// returns a new group.
class DuplicateGroup {
  public:
    static constexpr std::string_view ruleID = "duplicates";
    static constexpr std::string_view title = "Duplicate files";

    // Ranks files with KeeperPolicy and keeps the first. files must not be
    // empty; downloadsFolders are the user's Downloads folders.
    DuplicateGroup(std::string id, std::int64_t logicalSize, std::vector<DuplicateFile> files,
                   std::span<const std::string> downloadsFolders);

    // Restores stored fields as they are: no ranking, no new keeper.
    static DuplicateGroup restored(std::string id, std::int64_t logicalSize,
                                   std::vector<DuplicateFile> files, std::string keeperPath,
                                   std::string keeperReason);

    const std::string& id() const { return id_; }
    std::int64_t logicalSize() const { return logicalSize_; }
    const std::vector<DuplicateFile>& files() const { return files_; }
    const std::string& keeperPath() const { return keeperPath_; }
    const std::string& keeperReason() const { return keeperReason_; }

    // The file at keeperPath, or the first file when none has that path.
    const DuplicateFile& keeper() const;
    // Every file but the keeper, in the order of files.
    std::vector<DuplicateFile> extraCopies() const;
    // What moving every extra copy would free.
    std::int64_t reclaimableBytes() const;
    // True when every copy is a clone and they share (nearly) all their space:
    // one clone id, or savings below max(4,096, logicalSize / 100) bytes.
    bool sharesAllSpace() const;
    // This group with path as the keeper ("You chose this copy"); unchanged
    // when path is already the keeper or is not in the group.
    DuplicateGroup keeping(std::string_view path) const;
    // True when some file's path is outside paths.
    bool leavesACopy(const std::set<std::string>& paths) const;

    // One suggestion with the extra copies of every group that does not share
    // its space, group by group; absent when there is none.
    static std::optional<Suggestion> suggestion(const std::vector<DuplicateGroup>& groups);

    friend bool operator==(const DuplicateGroup&, const DuplicateGroup&) = default;

  private:
    DuplicateGroup() = default;

    std::string id_;
    std::int64_t logicalSize_ = 0;
    std::vector<DuplicateFile> files_;
    std::string keeperPath_;
    std::string keeperReason_;
};

// JSON form: "id", "logicalSize", "files", "keeperPath", "keeperReason", all
// required when decoding; DecodingError otherwise.
void to_json(nlohmann::json& value, const DuplicateGroup& group);

}  // namespace tandor

template <>
struct nlohmann::adl_serializer<tandor::DuplicateGroup> {
    static tandor::DuplicateGroup from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value, const tandor::DuplicateGroup& group) {
        tandor::to_json(value, group);
    }
};

template <>
struct std::hash<tandor::DuplicateGroup> {
    std::size_t operator()(const tandor::DuplicateGroup& group) const noexcept;
};
