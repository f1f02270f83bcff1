#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace tandor {

// The file extensions that the similar-photo search treats as photos.
class PhotoFiles {
  public:
    PhotoFiles() = delete;

    // 16 lowercase extensions without the dot, built once on first use.
    static const std::unordered_set<std::string>& extensions();

    // True when the lowercased extension of the path's last component is one
    // of extensions(); the case of the file name does not matter.
    static bool isPhoto(std::string_view path);
};

}  // namespace tandor
