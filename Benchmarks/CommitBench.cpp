// Times one commit of a review pile of small files through the real Trash and
// a real cleanup history: what a user waits for after pressing the button.
//
//   commit-bench [files, default 3000] [runs, default 5]
//
// Each run builds a fresh home folder in $TMPDIR (default /tmp; it should lie
// on a real disk, not on tmpfs, or the syncs cost nothing), points HOME and
// XDG_DATA_HOME into it, writes the files, syncs, and times only the commit.
// The last line is:
// commit-bench: files=<n> runs=<n> median=<s> per_item_ms=<ms>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/SystemTrasher.hpp"

namespace {

using namespace tandor;

bool parseCount(const char* text, int& value) {
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc{} && end == view.data() + view.size() && value > 0;
}

std::string makeHome() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && base[0] == '/' ? base : "/tmp") +
                          "/tandor-commit-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    return pattern;
}

// A pile of files of a few hundred bytes each, spread over folders of 100.
ReviewPile makePile(const std::string& home, int files) {
    ReviewPile pile;
    for (int i = 0; i < files; ++i) {
        const std::string folder = home + "/pile/" + std::to_string(i / 100);
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/file " + std::to_string(i) + ".txt";
        std::ofstream(path, std::ios::binary)
            << std::string(static_cast<std::size_t>(200 + i % 300), 'x');
        pile.add(ReviewPile::Entry{path, 200 + i % 300, "bench"});
    }
    return pile;
}

double timedCommit(int files) {
    const std::string home = makeHome();
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ReviewPile pile = makePile(home, files);
    ::sync();

    const auto start = std::chrono::steady_clock::now();
    const auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    const CommitResult result =
        ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(pile);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::filesystem::remove_all(home);
    if (static_cast<int>(result.moved.size()) != files || result.saveError) {
        throw std::runtime_error("the commit moved " + std::to_string(result.moved.size()) +
                                 " of " + std::to_string(files) + " files" +
                                 (result.saveError ? "; " + *result.saveError : ""));
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int files = 3000;
    int runs = 5;
    if (argc > 3 || (argc > 1 && !parseCount(argv[1], files)) ||
        (argc > 2 && !parseCount(argv[2], runs))) {
        std::fprintf(stderr, "usage: commit-bench [files] [runs]\n");
        return 2;
    }
    try {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            seconds.push_back(timedCommit(files));
            std::printf("run %d: %.3f s\n", run + 1, seconds.back());
        }
        std::sort(seconds.begin(), seconds.end());
        const double median = seconds[seconds.size() / 2];
        std::printf("commit-bench: files=%d runs=%d median=%.3f per_item_ms=%.3f\n", files, runs,
                    median, median * 1000 / files);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "commit-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
