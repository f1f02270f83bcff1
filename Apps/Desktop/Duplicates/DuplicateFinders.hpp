#pragma once

#include <functional>
#include <set>
#include <stop_token>
#include <string>

#include "TandorCore/FileNode.hpp"
#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"

namespace tandor {

// The two searches of the Duplicates tab, as functions so that tests can put
// fakes in their place. Both run on the search's worker thread and throw
// CancellationError when stop is requested.
struct DuplicateFinders {
    using FindDuplicates = std::function<DuplicateReport(
        FileNode& root, const DuplicateFinder::Progress& progress, std::stop_token stop)>;
    using FindPhotos = std::function<SimilarPhotoReport(
        FileNode& root, const std::set<std::string>& excluding,
        const SimilarPhotoFinder::Progress& progress, std::stop_token stop)>;

    FindDuplicates duplicates;
    FindPhotos photos;

    // The engine's finders with the application's options: files of at least
    // 1 MB, photos of at least 100 KB, hidden items, the home's Library,
    // packages and the default skipped folders left out.
    static DuplicateFinders standard(const std::string& home);
};

}  // namespace tandor
