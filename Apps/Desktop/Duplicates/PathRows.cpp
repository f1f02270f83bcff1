#include "Duplicates/PathRows.hpp"

#include <algorithm>

namespace tandor {

std::vector<std::pair<int, int>> PathRows::runsOf(const std::vector<std::string>& paths) const {
    std::vector<int> rows;
    for (const auto& path : paths) {
        const std::size_t hash = std::hash<std::string>{}(path);
        for (auto found = std::lower_bound(rows_.begin(), rows_.end(), std::pair(hash, 0));
             found != rows_.end() && found->first == hash; ++found) {
            rows.push_back(found->second);
        }
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::pair<int, int>> runs;
    for (const int row : rows) {
        if (!runs.empty() && row <= runs.back().second + 1) {
            runs.back().second = row;
        } else {
            runs.emplace_back(row, row);
        }
    }
    return runs;
}

}  // namespace tandor
