// Times the start-up recovery of a commit whose "moved" lines were lost (a
// power cut before they reached the disk): every planned item lies in the
// Trash and is found again by its identity alone.
//
//   recovery-bench [files, default 16000] [runs, default 1]
//
// Each run builds a fresh home folder in $TMPDIR (default /tmp), points HOME
// and XDG_DATA_HOME into it, writes the files, plans them in the history's
// journal, moves them to the Trash without noting where they went, and times
// only the recovery. The last line is:
// recovery-bench: files=<n> runs=<n> median=<s> per_item_ms=<ms>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
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
                          "/tandor-recovery-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    return pattern;
}

// Files of a few hundred bytes each, spread over folders of 100, planned in
// the journal with their identities.
std::vector<HistoryJournal::Planned> makeFiles(const std::string& home, int files) {
    std::vector<HistoryJournal::Planned> planned;
    for (int i = 0; i < files; ++i) {
        const std::string folder = home + "/pile/" + std::to_string(i / 100);
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/file " + std::to_string(i) + ".txt";
        std::ofstream(path, std::ios::binary)
            << std::string(static_cast<std::size_t>(200 + i % 300), 'x');
        planned.push_back(
            {HistoryRecord(path, "", 200 + i % 300, "bench", std::chrono::system_clock::now()),
             FileIdentity::of(path)});
    }
    return planned;
}

// A commit cut short after every move and before any moved line was written.
void leaveLostCommit(const std::vector<HistoryJournal::Planned>& planned) {
    const SystemTrasher trasher;
    HistoryJournal journal(CleanupHistory(CleanupHistory::defaultURL()), trasher);
    journal.plan(planned);
    for (const auto& entry : planned) {
        trasher.trash(entry.record.originalPath);
    }
}

double timedRecovery(int files) {
    const std::string home = makeHome();
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    leaveLostCommit(makeFiles(home, files));
    ::sync();

    const auto start = std::chrono::steady_clock::now();
    HistoryJournal::recover(CleanupHistory::defaultURL(), SystemTrasher());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const std::size_t recovered = CleanupHistory(CleanupHistory::defaultURL()).records().size();
    std::filesystem::remove_all(home);
    if (static_cast<int>(recovered) != files) {
        throw std::runtime_error("the recovery found " + std::to_string(recovered) + " of " +
                                 std::to_string(files) + " files");
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int files = 16000;
    int runs = 1;
    if (argc > 3 || (argc > 1 && !parseCount(argv[1], files)) ||
        (argc > 2 && !parseCount(argv[2], runs))) {
        std::fprintf(stderr, "usage: recovery-bench [files] [runs]\n");
        return 2;
    }
    try {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            seconds.push_back(timedRecovery(files));
            std::printf("run %d: %.3f s\n", run + 1, seconds.back());
        }
        std::sort(seconds.begin(), seconds.end());
        const double median = seconds[seconds.size() / 2];
        std::printf("recovery-bench: files=%d runs=%d median=%.3f per_item_ms=%.3f\n", files, runs,
                    median, median * 1000 / files);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "recovery-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
