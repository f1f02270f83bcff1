// Runs one DirectoryScanner scan of a folder and reports its time, its peak
// resident memory and the memory per node of the tree it returns.
//
//   scan-bench <folder> [--minimum <bytes>] [--parallel-depth <n>] [--lstat]
#include <sys/resource.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

#include "TandorScanner/DirectoryScanner.hpp"

namespace {

long peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool parseNumber(const char* text, long long& value) {
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc{} && end == view.data() + view.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: scan-bench <folder> [--minimum <bytes>] [--parallel-depth <n>] "
                     "[--lstat]\n");
        return 2;
    }
    long long minimum = 1'000'000;
    long long parallelDepth = 3;
    bool bulk = true;
    for (int i = 2; i < argc; ++i) {
        const std::string_view option(argv[i]);
        const bool valued = option == "--minimum" || option == "--parallel-depth";
        long long value = 0;
        if (valued && (i + 1 >= argc || !parseNumber(argv[i + 1], value))) {
            std::fprintf(stderr, "scan-bench: %s needs a number\n", argv[i]);
            return 2;
        }
        if (option == "--minimum") {
            minimum = value;
        } else if (option == "--parallel-depth") {
            parallelDepth = value;
        } else if (option == "--lstat") {
            bulk = false;
        } else {
            std::fprintf(stderr, "scan-bench: unknown option %s\n", argv[i]);
            return 2;
        }
        i += valued ? 1 : 0;
    }

    const tandor::ScanOptions options(true, std::nullopt, minimum, {},
                                      static_cast<int>(parallelDepth), bulk,
                                      tandor::ScanOptions::projectMarkers());
    const long before = peakResidentKilobytes();
    try {
        const auto result = tandor::DirectoryScanner(options).scan(argv[1]);
        const long peak = peakResidentKilobytes();
        long long nodes = 0;
        result.root->forEach([&nodes](const tandor::FileNodePtr&) { ++nodes; });
        std::printf(
            "scan-bench: files=%lld nodes=%lld bytes=%lld seconds=%.3f method=%s threads=%d-%d "
            "peak_rss_kb=%ld rss_per_node=%.0f\n",
            static_cast<long long>(result.root->fileCount()), nodes,
            static_cast<long long>(result.root->allocatedSize()), result.duration,
            result.method.c_str(), tandor::DirectoryScanner::cachedWalkingThreads(),
            tandor::DirectoryScanner::walkingThreads(), peak,
            static_cast<double>(peak - before) * 1024.0 / static_cast<double>(nodes));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scan-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
