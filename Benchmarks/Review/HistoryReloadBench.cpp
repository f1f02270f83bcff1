// Times reading a long cleanup history into the History tab's model: opening
// the file, grouping the sessions and checking every record's item in the
// Trash, then the list's reset.
//
//   history-reload [records]     (default 10000)
//
// Half of the records still have their item in the Trash; cleanups of 50
// records each, two minutes apart. Prints the median and 95th percentile of
// 30 reloads.
#include <QCoreApplication>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "BenchSupport.hpp"
#include "History/HistoryModel.hpp"
#include "TandorCore/AtomicFile.hpp"
#include "TandorReview/CleanupHistory.hpp"

namespace {

constexpr int reloads = 30;

std::vector<tandor::HistoryRecord> makeHistory(const tandor::bench::TemporaryHome& home,
                                               int count) {
    const std::string trash = home / ".local/share/Trash/files";
    tandor::createFolders(trash);
    const auto start = std::chrono::system_clock::now() - std::chrono::hours(24 * 30);
    std::vector<tandor::HistoryRecord> records;
    for (int i = 0; i < count; ++i) {
        const std::string name = "item-" + std::to_string(i) + ".bin";
        if (i % 2 == 0) {
            std::ofstream(trash + "/" + name) << 'x';
        }
        records.emplace_back(home / ("Documents/" + name), trash + "/" + name, 1'000 + i,
                             std::nullopt, start + std::chrono::minutes(2) * (i / 50));
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int count = 10'000;
    if (argc > 2 ||
        (argc == 2 &&
         std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), count).ec !=
             std::errc{})) {
        std::fprintf(stderr, "usage: history-reload [records]\n");
        return 2;
    }
    const tandor::bench::TemporaryHome home;
    tandor::CleanupHistory(tandor::CleanupHistory::defaultURL()).append(makeHistory(home, count));

    tandor::HistoryModel model(
        tandor::HistoryModel::Services{tandor::CleanupHistory::defaultURL(), {}});
    const std::vector<double> timings = tandor::bench::timeRuns(reloads, [&] { model.reload(); });
    std::printf("history-reload: records=%d sessions=%zu rows=%d median=%.1f ms p95=%.1f ms\n",
                count, model.sessions().size(), model.rowCount(),
                tandor::bench::percentile(timings, 0.5), tandor::bench::percentile(timings, 0.95));
    return 0;
}
