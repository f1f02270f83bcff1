#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

namespace tandor {

// What one scan keeps as nodes and how it reads the disk.
struct ScanOptions {
    // Every path in excludedPaths is normalised on the way in, so /a/b/ and
    // /a/./b both exclude /a/b. Assigning the field later stores it unchanged.
    ScanOptions(bool staysOnSameVolume, std::optional<int> maxKeptDepth,
                std::int64_t minimumKeptFileSize,
                const std::unordered_set<std::string>& excludedPaths, int parallelDepth,
                bool usesBulkAttributes, std::unordered_set<std::string> alwaysKeptNames);

    // The file names that mark a code project; every caller keeps them as nodes
    // whatever their size.
    static const std::unordered_set<std::string>& projectMarkers();

    // Never enter a folder on another device than the scan root.
    bool staysOnSameVolume;
    // A folder at depth d (the root has 0) keeps child nodes only when this is
    // absent or d < maxKeptDepth; otherwise everything below it is folded into it.
    std::optional<int> maxKeptDepth;
    // In a folder that keeps children, a smaller file is folded into the folder.
    std::int64_t minimumKeptFileSize;
    // Absolute paths skipped entirely. The scan root itself is never skipped.
    std::unordered_set<std::string> excludedPaths;
    // Folders above this depth walk their subfolders in parallel; below it a
    // large subtree may still be shared among several threads. 0 (or less)
    // walks the whole tree on the calling thread.
    int parallelDepth;
    // true: getdents64 + statx; false: readdir + fstatat.
    bool usesBulkAttributes;
    // File names that stay nodes whatever their size (in folders that keep children).
    std::unordered_set<std::string> alwaysKeptNames;
};

}  // namespace tandor
