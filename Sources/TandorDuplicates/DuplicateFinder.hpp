#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorDuplicates/DuplicateOptions.hpp"
#include "TandorDuplicates/DuplicateReport.hpp"
#include "TandorDuplicates/FileFactsReader.hpp"

namespace tandor {

// Finds the sets of regular files whose contents are byte for byte the same:
// files of one size, then of one hash of their first and last bytes, then of
// one hash of their whole content. A file reached through several hard links
// counts once, a cloud-only file is never opened, and groups of clones that
// already share their space are set apart. Never writes, moves or deletes.
//
// Holds only its options: every call is independent, and separate finders may
// run at the same time. The contents are hashed on a few worker threads, but
// results, their order and the progress reports are those of a plain loop on
// the calling thread.
class DuplicateFinder {
  public:
    enum class Stage { reading, sampling, hashing };
    // (stage, items done in that stage, items of that stage), called on the
    // calling thread between two files.
    using Progress = std::function<void(Stage, std::int64_t done, std::int64_t total)>;

    // Throws std::invalid_argument when the sample size lies outside [1, 2^62).
    explicit DuplicateFinder(DuplicateOptions options,
                             FileFactsReader reader = FileFactsReader::standard());

    // Searches the files of the tree at root (pre-order) that are at least the
    // minimum size. Throws only CancellationError, when stop is requested.
    DuplicateReport find(FileNode& root, const Progress& progress = {},
                         std::stop_token stop = {}) const;
    // Searches the given paths; a file that cannot be examined or read is
    // listed among the unreadable paths and the search goes on. Throws only
    // CancellationError, checked every 500 paths, 50 candidates and 20
    // whole-file reads; partial results are dropped.
    DuplicateReport find(const std::vector<std::string>& paths, const Progress& progress = {},
                         std::stop_token stop = {}) const;

  private:
    DuplicateOptions options_;
    FileFactsReader reader_;
};

// "Reading file details", "Comparing the start and end of files", "Comparing
// whole files".
std::string_view rawValue(DuplicateFinder::Stage stage);
// Exactly one of the three texts, case-sensitive; nothing otherwise.
std::optional<DuplicateFinder::Stage> duplicateFinderStageFromRawValue(std::string_view raw);

}  // namespace tandor
