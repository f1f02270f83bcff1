#include "Duplicates/DuplicateFinders.hpp"

namespace tandor {

namespace {

PathFilter applicationFilter(const HomePlaces& places) {
    return PathFilter(PathFilter::defaultExcludedPaths(places), true,
                      PathFilter::defaultSkippedFolderNames(),
                      PathFilter::defaultPackageExtensions());
}

}  // namespace

DuplicateFinders DuplicateFinders::standard() {
    return {
        [](FileNode& root, const HomePlaces& places, const DuplicateFinder::Progress& progress,
           std::stop_token stop) {
            const DuplicateFinder finder(
                DuplicateOptions{1'000'000, applicationFilter(places), 65'536,
                                 places.foldersOf(HomePlaces::UserFolder::download)});
            return finder.find(root, progress, std::move(stop));
        },
        [](FileNode& root, const HomePlaces& places, const std::set<std::string>& excluding,
           const SimilarPhotoFinder::Progress& progress, std::stop_token stop) {
            const SimilarPhotoFinder finder(SimilarPhotoFinder::Options{
                0.35F, 1'800.0, 200, 100'000, applicationFilter(places)});
            return finder.find(root, excluding, progress, std::move(stop));
        },
    };
}

}  // namespace tandor
