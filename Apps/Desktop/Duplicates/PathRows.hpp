#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tandor {

// The row of every path of a list of groups: finds the rows that a change of
// the pile touches without going through every group.
class PathRows {
  public:
    template <typename Groups, typename PathsOf>
    void rebuild(const Groups& groups, PathsOf pathsOf) {
        rows_.clear();
        int row = 0;
        for (const auto& group : groups) {
            for (const auto& item : pathsOf(group)) {
                rows_.emplace(item.path, row);
            }
            ++row;
        }
    }
    // The rows holding any of paths, as runs of neighbouring rows (first,
    // last), ascending.
    std::vector<std::pair<int, int>> runsOf(const std::vector<std::string>& paths) const;

  private:
    std::unordered_multimap<std::string, int> rows_;
};

}  // namespace tandor
