#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <string_view>

#include "TandorScanner/DirectoryReader.hpp"
#include "TandorScanner/ScanOptions.hpp"
#include "TandorScanner/ScanProgress.hpp"
#include "TandorScanner/ScanResult.hpp"

namespace tandor {

// Walks a folder tree into a FileNode tree whose folders carry the totals of
// everything below them: every byte counted once (hard links once, clones by
// their private bytes after the first), never following a symbolic link,
// optionally never leaving the root's device, skipping excluded paths and
// recording unreadable folders instead of failing. Holds only its options, so
// any number of scans may run one after another or at once.
class DirectoryScanner {
  public:
    // Makes the reader of one scan; it is shared by all threads of that scan.
    using ReaderFactory = std::function<std::unique_ptr<DirectoryReader>(bool usesBulkAttributes)>;
    using ProgressFunction = std::function<void(const ScanProgress&)>;
    using CountFunction = std::function<void(const std::string& folder, std::int64_t filesSeen)>;

    // The bulk reader when asked for bulk attributes, else the lstat reader.
    static std::unique_ptr<DirectoryReader> standardReader(bool usesBulkAttributes);

    // The threads a walk with a positive parallel depth starts on, the calling
    // one included: one per core. Reading from the cache keeps them busy, and
    // more would only take turns on the cores.
    static int cachedWalkingThreads();
    // The threads that walk once its reads are seen waiting on the disk, as on
    // a first scan after a boot: four per core, at most 32, walk faster than
    // one per core (32 made the best floor on an eight-core machine).
    static int walkingThreads();

    explicit DirectoryScanner(ScanOptions options, ReaderFactory makeReader = standardReader);

    const ScanOptions& options() const { return options_; }

    // Scans the tree at root (normalised first) and returns when it is walked
    // completely. onProgress is called from the walking threads, possibly from
    // several at once and out of order, each time the file count crosses a
    // multiple of 5000. Throws ScanError::cannotRead when root cannot be
    // examined or holds a NUL byte, and ScanError::cancelled when stop was
    // requested before the walk ended; folders are checked for the stop one by one, so a stop ends
    // the walk after the folders being read at that moment.
    ScanResult scan(std::string_view root, const ProgressFunction& onProgress = {},
                    std::stop_token stop = {}) const;
    // The same scan for callers that want only the folder and the file count.
    ScanResult scan(std::string_view root, const CountFunction& progress,
                    std::stop_token stop = {}) const;

  private:
    ScanOptions options_;
    ReaderFactory makeReader_;
};

}  // namespace tandor
