#include "TandorScanner/DirectoryScanner.hpp"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorScanner/BulkDirectoryReader.hpp"
#include "TandorScanner/DiskReadWatch.hpp"
#include "TandorScanner/FileInfo.hpp"
#include "TandorScanner/LoopThreads.hpp"
#include "TandorScanner/LstatDirectoryReader.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorScanner/Walk.hpp"

namespace tandor {

std::unique_ptr<DirectoryReader> DirectoryScanner::standardReader(bool usesBulkAttributes) {
    if (usesBulkAttributes) {
        return std::make_unique<BulkDirectoryReader>();
    }
    return std::make_unique<LstatDirectoryReader>();
}

int DirectoryScanner::cachedWalkingThreads() {
    return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1);
}

int DirectoryScanner::walkingThreads() {
    const auto cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(4 * cores, 4, 32);
}

DirectoryScanner::DirectoryScanner(ScanOptions options, ReaderFactory makeReader)
    : options_(std::move(options)), makeReader_(std::move(makeReader)) {
}

ScanResult DirectoryScanner::scan(std::string_view root, const ProgressFunction& onProgress,
                                  std::stop_token stop) const {
    const auto start = std::chrono::steady_clock::now();
    const std::string path = FileNode::normalize(root);
    // The system would read the path only up to the NUL: another folder.
    const auto info = paths::holdsNul(path) ? std::nullopt : FileInfo::read(path);
    if (!info) {
        throw ScanError::cannotRead(path);
    }
    const std::unique_ptr<DirectoryReader> reader = makeReader_(options_.usesBulkAttributes);
    Ledger ledger;
    std::optional<LoopThreads> threads;
    if (info->isDirectory && options_.parallelDepth > 0) {
        threads.emplace(cachedWalkingThreads(), walkingThreads());
    }
    DiskReadWatch diskReads([&threads] {
        if (threads) {
            threads->widen();
        }
    });
    Walk walk(options_, *reader, info->device, onProgress, stop, ledger, diskReads);
    FileNodePtr node;
    if (!info->isDirectory) {
        node = walk.file(path, info->entryNamed(paths::lastComponent(path)));
    } else if (threads) {
        threads->run(
            [&] { node = walk.directory(path, info->modificationDate, info->accessDate, 0); });
    } else {
        node = walk.directory(path, info->modificationDate, info->accessDate, 0);
    }
    if (stop.stop_requested()) {
        throw ScanError::cancelled(path);
    }
    Ledger::Totals totals = ledger.totals();
    std::sort(totals.inaccessible.begin(), totals.inaccessible.end());
    return ScanResult{
        .root = std::move(node),
        .inaccessiblePaths = std::move(totals.inaccessible),
        .skippedHardLinks = totals.skippedHardLinks,
        .dedupedClones = totals.dedupedClones,
        .dedupedCloneBytes = totals.dedupedCloneBytes,
        .duration = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
        .method = options_.usesBulkAttributes ? "statx" : "lstat",
    };
}

ScanResult DirectoryScanner::scan(std::string_view root, const CountFunction& progress,
                                  std::stop_token stop) const {
    ProgressFunction onProgress;
    if (progress) {
        onProgress = [&progress](const ScanProgress& report) {
            progress(report.currentPath, report.filesSeen);
        };
    }
    return scan(root, onProgress, std::move(stop));
}

}  // namespace tandor
