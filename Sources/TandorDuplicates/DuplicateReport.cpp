#include "TandorDuplicates/DuplicateReport.hpp"

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {
DuplicateReport::DuplicateReport(std::vector<DuplicateGroup> groups,
                                 std::vector<DuplicateGroup> cloneGroups,
                                 std::int64_t filesCompared, std::int64_t bytesRead,
                                 std::vector<std::string> unreadablePaths,
                                 std::int64_t cloudOnlyFiles)
    : groups_(std::move(groups)),
      cloneGroups_(std::move(cloneGroups)),
      filesCompared_(filesCompared),
      bytesRead_(bytesRead),
      unreadablePaths_(std::move(unreadablePaths)),
      cloudOnlyFiles_(cloudOnlyFiles) {
}

std::int64_t DuplicateReport::reclaimableBytes() const {
    std::int64_t total = 0;
    for (const auto& group : groups_) {
        total = saturatingAdd(total, group.reclaimableBytes());
    }
    return total;
}

std::optional<Suggestion> DuplicateReport::suggestion() const {
    return DuplicateGroup::suggestion(groups_);
}

nlohmann::json DuplicateReport::toJSON() const {
    nlohmann::json value = nlohmann::json::object();
    value["groups"] = groups_;
    value["cloneGroups"] = cloneGroups_;
    value["filesCompared"] = filesCompared_;
    value["bytesRead"] = bytesRead_;
    auto paths = nlohmann::json::array();
    for (const auto& path : unreadablePaths_) {
        paths.push_back(pathToJSON(path));
    }
    value["unreadablePaths"] = std::move(paths);
    value["cloudOnlyFiles"] = cloudOnlyFiles_;
    return value;
}

DuplicateReport DuplicateReport::fromJSON(const nlohmann::json& value) {
    decode::requireObject(value, "duplicate report");
    auto groups = decode::requireArray(value, "groups").get<std::vector<DuplicateGroup>>();
    auto cloneGroups =
        decode::requireArray(value, "cloneGroups").get<std::vector<DuplicateGroup>>();
    const auto filesCompared = decode::requireInt64(value, "filesCompared");
    const auto bytesRead = decode::requireInt64(value, "bytesRead");
    std::vector<std::string> unreadablePaths;
    for (const auto& path : decode::requireArray(value, "unreadablePaths")) {
        unreadablePaths.push_back(pathFromJSON(path));
    }
    const auto cloudOnlyFiles = decode::requireInt64(value, "cloudOnlyFiles");
    return DuplicateReport(std::move(groups), std::move(cloneGroups), filesCompared, bytesRead,
                           std::move(unreadablePaths), cloudOnlyFiles);
}

}  // namespace tandor
