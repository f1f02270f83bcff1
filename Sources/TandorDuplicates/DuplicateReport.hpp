#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"

namespace tandor {

// The result of one identical-file search: the groups that free space, the
// groups of clones that already share it, and what was compared, read,
// skipped and not readable.
class DuplicateReport {
  public:
    DuplicateReport(std::vector<DuplicateGroup> groups, std::vector<DuplicateGroup> cloneGroups,
                    std::int64_t filesCompared, std::int64_t bytesRead,
                    std::vector<std::string> unreadablePaths, std::int64_t cloudOnlyFiles);

    // Ordered by reclaimableBytes, then id, both descending. A report that
    // is done with hands its lists over without copying them.
    const std::vector<DuplicateGroup>& groups() const& { return groups_; }
    std::vector<DuplicateGroup> groups() && { return std::move(groups_); }
    // Ordered by logicalSize, then id, both descending.
    const std::vector<DuplicateGroup>& cloneGroups() const& { return cloneGroups_; }
    std::vector<DuplicateGroup> cloneGroups() && { return std::move(cloneGroups_); }
    std::int64_t filesCompared() const { return filesCompared_; }
    std::int64_t bytesRead() const { return bytesRead_; }
    // In the order they were met; neither sorted nor de-duplicated.
    const std::vector<std::string>& unreadablePaths() const { return unreadablePaths_; }
    std::int64_t cloudOnlyFiles() const { return cloudOnlyFiles_; }

    // What moving every extra copy of groups would free; cloneGroups never count.
    std::int64_t reclaimableBytes() const;
    // The duplicates suggestion built from groups alone.
    std::optional<Suggestion> suggestion() const;

    // JSON form: all six keys, always written, all required when decoding
    // (DecodingError otherwise).
    nlohmann::json toJSON() const;
    static DuplicateReport fromJSON(const nlohmann::json& value);

  private:
    std::vector<DuplicateGroup> groups_;
    std::vector<DuplicateGroup> cloneGroups_;
    std::int64_t filesCompared_;
    std::int64_t bytesRead_;
    std::vector<std::string> unreadablePaths_;
    std::int64_t cloudOnlyFiles_;
};

}  // namespace tandor
