// Scans a folder, then times the last-used dates of as many files as the
// enricher may look up in one scan (5,600, spread over the tree) with three
// readers: the recently used list alone, the list with the scanned tree's
// access times, and the list with one statx per path. Also counts the mount
// questions (statvfs) each reader asked.
//
//   last-used-bench <folder>
//
// The folder stands in for a home folder; the timings are medians of 5 runs.
#include <sys/statvfs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"

namespace {

constexpr int runs = 5;
constexpr std::size_t lookups = 28 * 200;

template <typename Work>
double medianMilliseconds(Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// statvfs, counted.
std::shared_ptr<const tandor::MountAccessTimes> countedMounts(const std::shared_ptr<int>& asked) {
    return std::make_shared<tandor::MountAccessTimes>(
        [asked](const std::string& path) -> std::optional<unsigned long> {
            ++*asked;
            struct statvfs figures {};
            if (::statvfs(path.c_str(), &figures) != 0) {
                return std::nullopt;
            }
            return figures.f_flag;
        });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: last-used-bench <folder>\n");
        return 2;
    }
    try {
        const tandor::ScanOptions options(true, std::nullopt, 1'000'000, {}, 3, true,
                                          tandor::ScanOptions::projectMarkers());
        const tandor::FileNodePtr root = tandor::DirectoryScanner(options).scan(argv[1]).root;
        // The enricher's bound: 200 items for each of the 28 built-in rules,
        // here files spread over the whole tree.
        std::vector<std::string> files;
        root->forEach([&files](const tandor::FileNodePtr& node) {
            if (!node->isDirectory()) {
                files.push_back(node->path());
            }
        });
        const std::size_t step = std::max<std::size_t>(1, files.size() / lookups);
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < files.size() && paths.size() < lookups; i += step) {
            paths.push_back(files[i]);
        }

        const auto list = std::make_shared<tandor::StaticLastUsedReader>(
            std::unordered_map<std::string, tandor::Date>{});
        std::size_t dated = 0;
        const auto time =
            [&](const std::function<std::shared_ptr<const tandor::LastUsedReader>()>& makeReader) {
                return medianMilliseconds([&] {
                    const auto reader = makeReader();
                    dated = 0;
                    for (const auto& path : paths) {
                        if (reader->lastUsedDate(path)) {
                            ++dated;
                        }
                    }
                });
            };
        const auto treeAsked = std::make_shared<int>(0);
        const auto diskAsked = std::make_shared<int>(0);
        const double listOnly = time([&] { return list; });
        const double tree = time([&] {
            return std::make_shared<tandor::RecentListOrAccessTimeReader>(
                list, countedMounts(treeAsked), root);
        });
        const std::size_t treeDated = dated;
        const double disk = time([&] {
            return std::make_shared<tandor::RecentListOrAccessTimeReader>(
                list, countedMounts(diskAsked), nullptr);
        });
        std::printf(
            "last-used-bench: lookups=%zu dated=%zu/%zu list_only_ms=%.2f tree_ms=%.2f "
            "statx_ms=%.2f statvfs_per_reader: tree=%d statx=%d\n",
            paths.size(), treeDated, dated, listOnly, tree, disk, *treeAsked / runs,
            *diskAsked / runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "last-used-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
