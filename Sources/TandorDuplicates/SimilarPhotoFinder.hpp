#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorDuplicates/FeaturePrint.hpp"
#include "TandorDuplicates/PathFilter.hpp"
#include "TandorDuplicates/SimilarPhoto.hpp"
#include "TandorDuplicates/SimilarPhotoReport.hpp"

namespace tandor {

// Finds groups of photos that look alike: picks the photo files of a tree,
// analyses them in parallel, groups them by capture time and feature-print
// distance and names the best shot of each group. A photo that cannot be
// analysed is listed as unreadable; the search goes on. Reads files only.
class SimilarPhotoFinder {
  public:
    struct Options {
        // The largest feature-print distance at which two photos are alike.
        float threshold = 0;
        // The largest difference of capture times, in seconds, within which
        // two photos are compared; none for no limit.
        std::optional<double> timeWindow;
        std::int64_t maxComparisonsPerPhoto = 0;
        // Photos with fewer bytes on disk are not candidates.
        std::int64_t minimumSize = 0;
        PathFilter filter;
    };

    // Why one photo could not be analysed. Never shown: the search lists the
    // path as unreadable.
    class PhotoError : public std::runtime_error {
      public:
        enum class Code { unreadable, noFeaturePrint };

        explicit PhotoError(Code code);
        Code code() const { return code_; }

        friend bool operator==(const PhotoError& a, const PhotoError& b) {
            return a.code_ == b.code_;
        }

      private:
        Code code_;
    };

    // One analysed photo and its descriptor, kept for the duration of a search.
    struct Analyzed {
        SimilarPhoto photo;
        std::shared_ptr<const FeaturePrint> print;
    };

    // (photos handled so far, photos to handle), counted in candidates.
    using Progress = std::function<void(std::int64_t done, std::int64_t total)>;
    // Analyses one photo or throws; called from many threads at once.
    using Analyze = std::function<Analyzed(const std::string& path)>;

    // analyze is the photo analysis; tests pass a fake.
    explicit SimilarPhotoFinder(Options options, Analyze analyze = &SimilarPhotoFinder::analyze);

    const Options& options() const { return options_; }

    // Searches the files of the tree at root (pre-order) that are photos, have
    // at least the minimum size on disk and are not in excluding (exact paths).
    // Throws only CancellationError.
    SimilarPhotoReport find(FileNode& root, const std::set<std::string>& excluding,
                            const Progress& progress = {}, std::stop_token stop = {}) const;

    // Searches the given paths that the filter allows and that are photos, in
    // batches of 64 analysed in parallel. Cancellation is checked before each
    // photo: the photos under way are finished, no other starts and every
    // partial result is dropped. The progress callback runs on the calling
    // thread between batches. Throws only CancellationError.
    SimilarPhotoReport find(const std::vector<std::string>& paths, const Progress& progress = {},
                            std::stop_token stop = {}) const;

    // Decodes a thumbnail of at most 512 pixels (oriented, from the full
    // image), reads the stored pixel size, the EXIF capture date (local time)
    // and the bytes on disk, and computes the feature print. The capture date
    // is the EXIF date, else the modification date, else distantPast. A photo
    // whose header claims more than 200 megapixels is unreadable before any
    // decoding. A camera raw file is read with LibRaw: its embedded preview
    // when that has at least 512 pixels on its longer side, else a half-size
    // decode, with the camera's image size and recorded capture time. Throws
    // PhotoError. Safe to call from several threads at once.
    static Analyzed analyze(const std::string& path);

    // The distance of two prints, nothing when it cannot be computed.
    static std::optional<float> distance(const FeaturePrint& a, const FeaturePrint& b);

    // Analyses both photos and returns their distance. Throws PhotoError.
    static float distanceBetween(const std::string& a, const std::string& b);

  private:
    Options options_;
    Analyze analyze_;
};

}  // namespace tandor
