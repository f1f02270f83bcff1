// duplicates-find FOLDER
//
// Scans FOLDER and runs the identical-file finder with the application's
// options (files of 1,000,000 bytes or more, samples of 65,536 bytes). Prints
// every set of identical files as its paths, one per line, followed by an
// empty line, and a summary on standard error.

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TandorScanner/DirectoryScanner.hpp"

namespace {

void printSets(const std::vector<tandor::DuplicateGroup>& groups) {
    for (const auto& group : groups) {
        for (const auto& file : group.files()) {
            std::printf("%s\n", file.path.c_str());
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: duplicates-find FOLDER\n");
        return 2;
    }
    try {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const tandor::ScanOptions scanOptions(true, std::nullopt, 0, {}, 3, true, {});
        const auto scan = tandor::DirectoryScanner(scanOptions).scan(argv[1]);
        const auto scanned = Clock::now();
        const tandor::DuplicateOptions options{
            1'000'000,
            tandor::PathFilter({}, true, tandor::PathFilter::defaultSkippedFolderNames(),
                               tandor::PathFilter::defaultPackageExtensions()),
            65'536,
            {}};
        const auto report = tandor::DuplicateFinder(options).find(*scan.root);
        const auto found = Clock::now();
        printSets(report.groups());
        printSets(report.cloneGroups());
        const auto seconds = [](Clock::duration span) {
            return std::chrono::duration<double>(span).count();
        };
        std::fprintf(stderr,
                     "duplicates-find: scan %.3f s, find %.3f s, %zu sets, %lld files compared, "
                     "%lld bytes read, %zu unreadable\n",
                     seconds(scanned - start), seconds(found - scanned),
                     report.groups().size() + report.cloneGroups().size(),
                     static_cast<long long>(report.filesCompared()),
                     static_cast<long long>(report.bytesRead()), report.unreadablePaths().size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "duplicates-find: %s\n", error.what());
        return 1;
    }
    return 0;
}
