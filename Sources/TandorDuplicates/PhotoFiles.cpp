#include "TandorDuplicates/PhotoFiles.hpp"

#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {

const std::unordered_set<std::string>& PhotoFiles::extensions() {
    static const std::unordered_set<std::string> table{"jpg",  "jpeg", "heic", "heif", "png", "tif",
                                                       "tiff", "webp", "dng",  "cr2",  "cr3", "nef",
                                                       "arw",  "raf",  "orf",  "rw2"};
    return table;
}

bool PhotoFiles::isPhoto(std::string_view path) {
    const auto extension = paths::extension(path);
    return !extension.empty() && extensions().contains(unicode::lowercased(extension));
}

}  // namespace tandor
