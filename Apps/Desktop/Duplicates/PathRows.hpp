#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tandor {

// The row of every path of a list of groups: finds the rows that a change of
// the pile touches without going through every group. It keeps only a hash
// of each path, in one sorted array, so that a new search's thousands of
// paths cost no copy; two paths with one hash merely redraw a row too many.
class PathRows {
  public:
    template <typename Groups, typename PathsOf>
    void rebuild(const Groups& groups, PathsOf pathsOf) {
        rows_.clear();
        int row = 0;
        for (const auto& group : groups) {
            for (const auto& item : pathsOf(group)) {
                rows_.emplace_back(std::hash<std::string>{}(item.path), row);
            }
            ++row;
        }
        std::sort(rows_.begin(), rows_.end());
    }
    // The rows holding any of paths, as runs of neighbouring rows (first,
    // last), ascending.
    std::vector<std::pair<int, int>> runsOf(const std::vector<std::string>& paths) const;

  private:
    std::vector<std::pair<std::size_t, int>> rows_;
};

}  // namespace tandor
