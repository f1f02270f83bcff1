#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorScanner/LastUsedReader.hpp"
#include "TandorScanner/ScanProgress.hpp"

namespace tandor {

// The work of one scan of the home folder, from the walk to the breakdown, as
// the background task of a scan does it. Plain C++ without Qt: it runs on the
// scan model's worker thread and touches nothing but its own values.
namespace HomeScan {

// What one finished scan publishes.
struct Outcome {
    FileNodePtr root;
    // The places the rules looked in, read once for the scan.
    std::optional<HomePlaces> places;
    std::vector<Suggestion> suggestions;
    std::optional<StorageBreakdown> breakdown;
    int inaccessibleCount = 0;
};

// Makes the last-used reader of one scanned tree (tests pass a fixed one).
using ReaderFactory = std::function<std::shared_ptr<const LastUsedReader>(const FileNodePtr& tree)>;

// The desktop's recently-used list, read once for the scan, else the access
// times the scan read into tree.
std::shared_ptr<const LastUsedReader> lastUsedReader(const FileNodePtr& tree);

// Scans home (as the platform gives it), lists the installed applications,
// runs the built-in rules, adds the last-opened evidence and computes the
// storage breakdown. onProgress is called from the scanner's threads. Throws
// ScanError when home cannot be read, and ScanError::cancelled when stop is
// requested, during the walk or between the steps after it.
Outcome run(const std::string& home, const std::function<void(const ScanProgress&)>& onProgress,
            std::stop_token stop, const ReaderFactory& makeReader = lastUsedReader);

// Where the space of a scanned tree goes, as a scan's outcome gives it.
StorageBreakdown breakdown(const FileNodePtr& root, const HomePlaces& places);

// Used bytes of the volume holding path, as df counts them (the blocks kept
// back for root are not in use); absent when the figures cannot be read.
std::optional<std::int64_t> diskUsedBytes(const std::string& path);

}  // namespace HomeScan
}  // namespace tandor
