#include "TandorDuplicates/SimilarPhotoFinder.hpp"

#include <algorithm>
#include <mutex>

#include "TandorDuplicates/CancellationError.hpp"
#include "TandorDuplicates/PhotoFiles.hpp"
#include "TandorDuplicates/SimilarityGrouper.hpp"
#include "TandorDuplicates/VipsSupport.hpp"
#include "TandorScanner/ParallelLoop.hpp"

namespace tandor {
namespace {

constexpr std::size_t batchSize = 64;

// The outcomes of one search, filled from the analysis threads: slot i holds
// the analysis of candidate i; failed paths arrive in completion order.
class Results {
  public:
    explicit Results(std::size_t count) : analyzed_(count) {}

    void store(std::optional<SimilarPhotoFinder::Analyzed> outcome, std::size_t index,
               const std::string& path) {
        const std::lock_guard lock(mutex_);
        if (outcome) {
            analyzed_[index] = std::move(outcome);
        } else {
            unreadable_.push_back(path);
        }
    }

    // The analysed photos in candidate order. Read only after every analysis
    // has finished.
    std::vector<SimilarPhotoFinder::Analyzed> analyzed() {
        std::vector<SimilarPhotoFinder::Analyzed> present;
        for (auto& slot : analyzed_) {
            if (slot) {
                present.push_back(std::move(*slot));
            }
        }
        return present;
    }

    std::vector<std::string> unreadable() {
        std::sort(unreadable_.begin(), unreadable_.end());
        return std::move(unreadable_);
    }

  private:
    std::mutex mutex_;
    std::vector<std::optional<SimilarPhotoFinder::Analyzed>> analyzed_;
    std::vector<std::string> unreadable_;
};

std::vector<SimilarPhotoGroup> groupsOf(const std::vector<SimilarPhotoFinder::Analyzed>& analyzed,
                                        const SimilarPhotoFinder::Options& options) {
    std::vector<Date> dates;
    dates.reserve(analyzed.size());
    for (const auto& item : analyzed) {
        dates.push_back(item.photo.captureDate);
    }
    const auto distance = [&](std::int64_t i, std::int64_t j) -> std::optional<float> {
        const auto& a = analyzed[static_cast<std::size_t>(i)].print;
        const auto& b = analyzed[static_cast<std::size_t>(j)].print;
        if (!a || !b) {
            return std::nullopt;
        }
        return SimilarPhotoFinder::distance(*a, *b);
    };
    std::vector<SimilarPhotoGroup> groups;
    for (const auto& members :
         SimilarityGrouper::group(dates, options.timeWindow, options.maxComparisonsPerPhoto,
                                  options.threshold, distance)) {
        std::vector<SimilarPhoto> photos;
        for (const auto index : members) {
            photos.push_back(analyzed[static_cast<std::size_t>(index)].photo);
        }
        groups.emplace_back(std::move(photos));
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const SimilarPhotoGroup& a, const SimilarPhotoGroup& b) {
                         const auto bytesA = a.reclaimableBytes();
                         const auto bytesB = b.reclaimableBytes();
                         return bytesA != bytesB ? bytesA > bytesB : a.id() > b.id();
                     });
    return groups;
}

}  // namespace

SimilarPhotoFinder::SimilarPhotoFinder(Options options, Analyze analyze)
    : options_(std::move(options)), analyze_(std::move(analyze)) {
}

SimilarPhotoReport SimilarPhotoFinder::find(FileNode& root, const std::set<std::string>& excluding,
                                            const Progress& progress, std::stop_token stop) const {
    std::vector<std::string> candidates;
    root.forEach([&](const FileNodePtr& node) {
        if (!node->isDirectory() && node->allocatedSize() >= options_.minimumSize &&
            PhotoFiles::isPhoto(node->path()) && !excluding.contains(node->path())) {
            candidates.push_back(node->path());
        }
    });
    return find(candidates, progress, std::move(stop));
}

SimilarPhotoReport SimilarPhotoFinder::find(const std::vector<std::string>& paths,
                                            const Progress& progress, std::stop_token stop) const {
    std::vector<std::string> candidates;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(candidates),
                 [&](const std::string& path) {
                     return options_.filter.allows(path) && PhotoFiles::isPhoto(path);
                 });
    const auto count = candidates.size();
    Results results(count);
    // libvips starts here, on one thread, before any analysis thread can.
    vips::started();
    for (std::size_t start = 0; start < count; start += batchSize) {
        CancellationError::checkCancellation(stop);
        if (progress) {
            progress(static_cast<std::int64_t>(start), static_cast<std::int64_t>(count));
        }
        parallelFor(std::min(batchSize, count - start), [&](std::size_t offset) {
            const std::size_t i = start + offset;
            // Once a stop is asked for no further photo starts; the search
            // throws after this batch.
            if (stop.stop_requested()) {
                return;
            }
            std::optional<Analyzed> outcome;
            try {
                outcome = analyze_(candidates[i]);
            } catch (...) {
                // Any failure of one photo only makes it unreadable.
            }
            results.store(std::move(outcome), i, candidates[i]);
        });
    }
    CancellationError::checkCancellation(stop);
    if (progress) {
        progress(static_cast<std::int64_t>(count), static_cast<std::int64_t>(count));
    }
    auto analyzed = results.analyzed();
    SimilarPhotoReport report;
    report.groups = groupsOf(analyzed, options_);
    report.photosCompared = static_cast<std::int64_t>(analyzed.size());
    report.unreadablePaths = results.unreadable();
    return report;
}

}  // namespace tandor
