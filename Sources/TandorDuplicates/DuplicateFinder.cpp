#include "TandorDuplicates/DuplicateFinder.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <unordered_set>
#include <utility>

#include "TandorCore/CheckedMath.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorDuplicates/ContentHasher.hpp"
#include "TandorDuplicates/InOrderWorkers.hpp"
#include "TandorDuplicates/SharedExtent.hpp"

namespace tandor {
namespace {

constexpr std::size_t readingCadence = 500;
constexpr std::size_t samplingCadence = 50;
constexpr std::int64_t hashingCadence = 20;
constexpr unsigned mostHashingThreads = 8;

constexpr std::array<std::pair<DuplicateFinder::Stage, std::string_view>, 3> stageTexts{{
    {DuplicateFinder::Stage::reading, "Reading file details"},
    {DuplicateFinder::Stage::sampling, "Comparing the start and end of files"},
    {DuplicateFinder::Stage::hashing, "Comparing whole files"},
}};

using FactsByKey = std::map<std::string, std::vector<FileFacts>>;

unsigned hashingThreads() {
    return std::clamp(std::thread::hardware_concurrency(), 1U, mostHashingThreads);
}

std::string groupKey(std::int64_t size, const std::string& hash) {
    return std::to_string(size) + ":" + hash;
}

std::optional<ContentHash> hashOrNothing(const std::function<ContentHash()>& hash) {
    try {
        return hash();
    } catch (const CancellationError&) {
        throw;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The working data of one call; dropped with it, on success and cancellation.
class Search {
  public:
    Search(const DuplicateOptions& options, const FileFactsReader& reader,
           const DuplicateFinder::Progress& progress, const std::stop_token& stop)
        : options_(options), reader_(reader), progress_(progress), stop_(stop) {}

    DuplicateReport run(const std::vector<std::string>& paths) {
        const auto kept = readFacts(paths);
        auto candidates = sameSizeFiles(kept);
        const auto filesCompared = static_cast<std::int64_t>(candidates.size());
        const auto samples = sampleContents(std::move(candidates));
        const auto contents = hashContents(samples);
        return buildReport(contents, filesCompared);
    }

  private:
    void report(DuplicateFinder::Stage stage, std::int64_t done, std::int64_t total) const {
        if (progress_) {
            progress_(stage, done, total);
        }
    }

    void checkAndReport(DuplicateFinder::Stage stage, std::int64_t done, std::int64_t total) const {
        CancellationError::checkCancellation(stop_);
        report(stage, done, total);
    }

    // One attribute read per path; keeps one facts record per distinct file.
    std::vector<FileFacts> readFacts(const std::vector<std::string>& paths) {
        std::vector<FileFacts> kept;
        std::unordered_set<FileIdentity> identities;
        const auto total = static_cast<std::int64_t>(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (i % readingCadence == 0) {
                checkAndReport(DuplicateFinder::Stage::reading, static_cast<std::int64_t>(i),
                               total);
            }
            const auto& path = paths[i];
            if (!options_.filter.allows(path)) {
                continue;
            }
            auto facts = reader_.facts(path);
            if (!facts) {
                unreadablePaths_.push_back(path);
                continue;
            }
            if (!facts->isRegularFile || facts->logicalSize < options_.minimumSize) {
                continue;
            }
            if (facts->isDataless) {
                ++cloudOnlyFiles_;
                continue;
            }
            if (identities.insert(facts->identity).second) {
                kept.push_back(std::move(*facts));
            }
        }
        return kept;
    }

    // The files that share their logical size with another, size by size.
    static std::vector<FileFacts> sameSizeFiles(const std::vector<FileFacts>& kept) {
        std::map<std::int64_t, std::vector<const FileFacts*>> bySize;
        for (const auto& facts : kept) {
            bySize[facts.logicalSize].push_back(&facts);
        }
        std::vector<FileFacts> candidates;
        for (const auto& [size, members] : bySize) {
            if (members.size() >= 2) {
                for (const auto* facts : members) {
                    candidates.push_back(*facts);
                }
            }
        }
        return candidates;
    }

    struct Sampled {
        std::optional<CloneInfo> clone;
        std::optional<ContentHash> hash;
    };

    // Reads the clone facts and the sampled hash of every candidate; keeps the
    // sample groups of two or more.
    FactsByKey sampleContents(std::vector<FileFacts> candidates) {
        FactsByKey byKey;
        const auto total = static_cast<std::int64_t>(candidates.size());
        const std::function<Sampled(std::size_t)> work = [&](std::size_t j) {
            const auto& facts = candidates[j];
            return Sampled{reader_.cloneInfo(facts.path), hashOrNothing([&] {
                               return ContentHasher::sample(facts.path, facts.identity,
                                                            facts.logicalSize, options_.sampleSize);
                           })};
        };
        const std::function<void(std::size_t)> before = [&](std::size_t j) {
            if (j % samplingCadence == 0) {
                checkAndReport(DuplicateFinder::Stage::sampling, static_cast<std::int64_t>(j),
                               total);
            }
        };
        const std::function<void(std::size_t, Sampled &&)> take = [&](std::size_t j,
                                                                      Sampled&& got) {
            auto& facts = candidates[j];
            facts.clone = got.clone;
            if (!got.hash) {
                unreadablePaths_.push_back(facts.path);
                return;
            }
            bytesRead_ = saturatingAdd(bytesRead_, got.hash->bytesRead);
            byKey[groupKey(facts.logicalSize, got.hash->hash)].push_back(std::move(facts));
        };
        InOrderWorkers<Sampled>::run(candidates.size(), hashingThreads(), work, before, take);
        std::erase_if(byKey, [](const auto& entry) { return entry.second.size() < 2; });
        return byKey;
    }

    // A member of a sample group that needs its whole content hashed, with its
    // position in the stage's running count.
    struct WholeFile {
        const FileFacts* facts;
        std::int64_t position;
    };

    // The largest files start first, so that no long read is left running alone
    // at the end of the stage.
    static std::vector<std::size_t> largestFirst(const std::vector<WholeFile>& wholeFiles) {
        std::vector<std::size_t> order(wholeFiles.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::ranges::stable_sort(order, std::greater<>(),
                                 [&](std::size_t k) { return wholeFiles[k].facts->logicalSize; });
        return order;
    }

    // Hashes the whole content of the members of every sample group whose
    // samples did not already cover it.
    FactsByKey hashContents(const FactsByKey& samples) {
        FactsByKey byKey;
        std::vector<WholeFile> wholeFiles;
        std::int64_t running = 0;
        for (const auto& [key, members] : samples) {
            if (2 * options_.sampleSize >= members.front().logicalSize) {
                byKey[key] = members;
            } else {
                for (std::size_t m = 0; m < members.size(); ++m) {
                    wholeFiles.push_back({&members[m], running + static_cast<std::int64_t>(m)});
                }
            }
            running += static_cast<std::int64_t>(members.size());
        }
        const std::int64_t total = running;
        const std::function<std::optional<ContentHash>(std::size_t)> work = [&](std::size_t k) {
            const auto& facts = *wholeFiles[k].facts;
            return hashOrNothing(
                [&] { return ContentHasher::full(facts.path, facts.identity, stop_); });
        };
        const std::function<void(std::size_t)> before = [&](std::size_t k) {
            const auto position = wholeFiles[k].position;
            if (position % hashingCadence == 0) {
                checkAndReport(DuplicateFinder::Stage::hashing, position, total);
            }
        };
        const std::function<void(std::size_t, std::optional<ContentHash> &&)> take =
            [&](std::size_t k, std::optional<ContentHash>&& hash) {
                const auto& facts = *wholeFiles[k].facts;
                if (!hash) {
                    unreadablePaths_.push_back(facts.path);
                    return;
                }
                bytesRead_ = saturatingAdd(bytesRead_, hash->bytesRead);
                byKey[groupKey(facts.logicalSize, hash->hash)].push_back(facts);
            };
        InOrderWorkers<std::optional<ContentHash>>::run(wholeFiles.size(), hashingThreads(), work,
                                                        before, take, largestFirst(wholeFiles));
        report(DuplicateFinder::Stage::hashing, total, total);
        return byKey;
    }

    // A clone id names a file's first shared extent only: clones whose first
    // blocks were rewritten get different ids, and copies that each share all
    // their blocks with a snapshot look wholly shared. Where a group's ids
    // differ, each copy's private size becomes the bytes it shares with no
    // other copy of the group, from the physical places of the extents.
    void measureSharingWithinGroup(std::vector<FileFacts>& members) const {
        if (!reader_.sharedExtents || !std::ranges::all_of(members, [](const FileFacts& facts) {
                return facts.clone.has_value();
            })) {
            return;
        }
        const auto firstID = members.front().clone->cloneID;
        if (std::ranges::all_of(members, [firstID](const FileFacts& facts) {
                return facts.clone->cloneID == firstID;
            })) {
            return;
        }
        std::vector<std::vector<SharedExtent>> extents;
        for (const auto& facts : members) {
            auto shared = reader_.sharedExtents(facts.path);
            if (!shared) {
                return;
            }
            extents.push_back(std::move(*shared));
        }
        std::vector<std::int64_t> keptToItself;
        for (std::size_t i = 0; i < members.size(); ++i) {
            std::vector<SharedExtent> others;
            for (std::size_t j = 0; j < members.size(); ++j) {
                if (j != i && members[j].identity.device == members[i].identity.device) {
                    others.insert(others.end(), extents[j].begin(), extents[j].end());
                }
            }
            keptToItself.push_back(bytesNotCoveredBy(extents[i], std::move(others)));
        }
        for (std::size_t i = 0; i < members.size(); ++i) {
            auto& clone = *members[i].clone;
            clone.privateSize = saturatingAdd(clone.privateSize, keptToItself[i]);
        }
    }

    DuplicateReport buildReport(const FactsByKey& contents, std::int64_t filesCompared) {
        std::vector<DuplicateGroup> groups;
        std::vector<DuplicateGroup> cloneGroups;
        for (const auto& [key, found] : contents) {
            if (found.size() < 2) {
                continue;
            }
            auto members = found;
            measureSharingWithinGroup(members);
            std::vector<DuplicateFile> files;
            files.reserve(members.size());
            for (const auto& facts : members) {
                files.push_back(
                    {facts.path, facts.allocatedSize, facts.modificationDate, facts.clone});
            }
            DuplicateGroup group(key, members.front().logicalSize, std::move(files),
                                 options_.downloadsFolders);
            (group.sharesAllSpace() ? cloneGroups : groups).push_back(std::move(group));
        }
        sortGroups(groups, &DuplicateGroup::reclaimableBytes);
        sortGroups(cloneGroups, &DuplicateGroup::logicalSize);
        return DuplicateReport(std::move(groups), std::move(cloneGroups), filesCompared, bytesRead_,
                               std::move(unreadablePaths_), cloudOnlyFiles_);
    }

    // Measure descending, then id descending.
    static void sortGroups(std::vector<DuplicateGroup>& groups,
                           std::int64_t (DuplicateGroup::*measure)() const) {
        std::ranges::stable_sort(groups,
                                 [measure](const DuplicateGroup& a, const DuplicateGroup& b) {
                                     const auto measureA = (a.*measure)();
                                     const auto measureB = (b.*measure)();
                                     if (measureA != measureB) {
                                         return measureA > measureB;
                                     }
                                     return a.id() > b.id();
                                 });
    }

    const DuplicateOptions& options_;
    const FileFactsReader& reader_;
    const DuplicateFinder::Progress& progress_;
    const std::stop_token& stop_;
    std::vector<std::string> unreadablePaths_;
    std::int64_t bytesRead_ = 0;
    std::int64_t cloudOnlyFiles_ = 0;
};

}  // namespace

DuplicateFinder::DuplicateFinder(DuplicateOptions options, FileFactsReader reader)
    : options_(std::move(options)), reader_(std::move(reader)) {
    if (options_.sampleSize < 1 || options_.sampleSize >= ContentHasher::largestSampleSize) {
        throw std::invalid_argument("The sample size must lie in [1, 2^62)");
    }
}

DuplicateReport DuplicateFinder::find(FileNode& root, const Progress& progress,
                                      std::stop_token stop) const {
    std::vector<std::string> paths;
    root.forEach([&](const FileNodePtr& node) {
        if (!node->isDirectory() && node->logicalSize() >= options_.minimumSize) {
            paths.push_back(node->path());
        }
    });
    return find(paths, progress, std::move(stop));
}

DuplicateReport DuplicateFinder::find(const std::vector<std::string>& paths,
                                      const Progress& progress, std::stop_token stop) const {
    return Search(options_, reader_, progress, stop).run(paths);
}

std::string_view rawValue(DuplicateFinder::Stage stage) {
    for (const auto& [value, text] : stageTexts) {
        if (value == stage) {
            return text;
        }
    }
    return {};
}

std::optional<DuplicateFinder::Stage> duplicateFinderStageFromRawValue(std::string_view raw) {
    for (const auto& [value, text] : stageTexts) {
        if (text == raw) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace tandor
