#include "TandorDuplicates/FileFactsReader.hpp"

namespace tandor {

FileFactsReader FileFactsReader::standard() {
    return {[](const std::string& path) { return FileFacts::read(path); }, FileFacts::cloneInfo,
            FileFacts::sharedExtents};
}

}  // namespace tandor
