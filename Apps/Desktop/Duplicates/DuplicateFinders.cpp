#include "Duplicates/DuplicateFinders.hpp"

namespace tandor {

namespace {

PathFilter applicationFilter(const std::string& home) {
    return PathFilter({home + "/Library"}, true, PathFilter::defaultSkippedFolderNames(),
                      PathFilter::defaultPackageExtensions());
}

}  // namespace

DuplicateFinders DuplicateFinders::standard(const std::string& home) {
    const PathFilter filter = applicationFilter(home);
    const DuplicateFinder duplicateFinder(DuplicateOptions{1'000'000, filter, 65'536});
    const SimilarPhotoFinder photoFinder(
        SimilarPhotoFinder::Options{0.35F, 1'800.0, 200, 100'000, filter});
    return {
        [duplicateFinder](FileNode& root, const DuplicateFinder::Progress& progress,
                          std::stop_token stop) {
            return duplicateFinder.find(root, progress, std::move(stop));
        },
        [photoFinder](FileNode& root, const std::set<std::string>& excluding,
                      const SimilarPhotoFinder::Progress& progress, std::stop_token stop) {
            return photoFinder.find(root, excluding, progress, std::move(stop));
        },
    };
}

}  // namespace tandor
