#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tandor {

// Numbers the photos shown, so that a thumbnail's image id names its photo
// without carrying the path through display text. A photo keeps its number
// for the whole run. Safe to use from several threads at once: the thumbnail
// loader looks paths up off the main thread.
class PhotoIDs {
  public:
    int idOf(const std::string& path);
    std::optional<std::string> pathOf(int id) const;

  private:
    mutable std::mutex mutex_;
    std::unordered_map<std::string, int> ids_;
    std::vector<std::string> paths_;
};

}  // namespace tandor
