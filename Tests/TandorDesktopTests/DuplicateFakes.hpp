#pragma once

#include <set>
#include <stop_token>
#include <string>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"

namespace tandor::testing {

// The photo search of a test about identical files: it finds nothing.
inline SimilarPhotoReport noSimilarPhotos(FileNode&, const HomePlaces&,
                                          const std::set<std::string>&,
                                          const SimilarPhotoFinder::Progress&, std::stop_token) {
    return {};
}

}  // namespace tandor::testing
