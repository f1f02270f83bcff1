#pragma once

#include <functional>
#include <set>
#include <stop_token>
#include <string>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"

namespace tandor {

// The two searches of the Duplicates tab, as functions so that tests can put
// fakes in their place. Both run on the search's worker thread and throw
// CancellationError when stop is requested. places are those of the scan
// that made root.
struct DuplicateFinders {
    using FindDuplicates = std::function<DuplicateReport(FileNode& root, const HomePlaces& places,
                                                         const DuplicateFinder::Progress& progress,
                                                         std::stop_token stop)>;
    using FindPhotos = std::function<SimilarPhotoReport(
        FileNode& root, const HomePlaces& places, const std::set<std::string>& excluding,
        const SimilarPhotoFinder::Progress& progress, std::stop_token stop)>;

    FindDuplicates duplicates;
    FindPhotos photos;

    // The engine's finders with the application's options: files of at least
    // 1 MB, photos of at least 100 KB, hidden items, the default excluded
    // paths, packages and the default skipped folders left out, and copies in
    // the user's Downloads folders given up first.
    static DuplicateFinders standard();
};

}  // namespace tandor
