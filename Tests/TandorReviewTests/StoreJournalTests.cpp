#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "ReviewTestSupport.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorReview/SortingStore.hpp"
#include "TandorReview/StoreJournal.hpp"
#include "TestSupport/TemporaryFolder.hpp"

// The sorting store saves each move as a line of its journal: what a load
// makes of the lines a crash leaves, and what a kill at any moment keeps.
namespace tandor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FixtureHome;
using testing::isThere;
using testing::someDay;
using testing::writeFile;

std::string journalPath() {
    return StoreJournal::pathFor(SortingStore::defaultURL());
}

std::vector<std::string> movedPaths(const SortingStore& store) {
    std::vector<std::string> paths;
    for (const auto& move : store.moves()) {
        paths.push_back(move.movedPath);
    }
    return paths;
}

TEST(StoreJournal, AMoveIsALineOfTheJournalUntilARewriteFoldsItIntoTheFile) {
    const FixtureHome home;
    SortingStore store(SortingStore::defaultURL());
    const auto sorting = store.addFolder(home / "Sorting", someDay);
    const std::string file = testing::contentsOf(store.fileURL());
    for (const auto* name : {"a.txt", "b.txt"}) {
        writeFile(home / name, "x");
        store.move(home / name, 1, sorting.id, someDay);
    }
    EXPECT_EQ(testing::contentsOf(store.fileURL()), file);
    // Each move is planned, then confirmed.
    EXPECT_EQ(std::ranges::count(testing::contentsOf(journalPath()), '\n'), 4);
    EXPECT_EQ(SortingStore(store.fileURL()).moves(), store.moves());

    store.setFate(SortingFate::pileAfter(7), sorting.id);
    EXPECT_FALSE(isThere(journalPath()));
    const SortingStore reloaded(store.fileURL());
    EXPECT_EQ(reloaded.moves(), store.moves());
    EXPECT_THAT(movedPaths(reloaded), ElementsAre(home / "Sorting/a.txt", home / "Sorting/b.txt"));
    EXPECT_THAT(reloaded.recentDestinations(), ElementsAre(home / "Sorting"));
}

// A move record numbered number: its id ends in the number, it moved "/a/<number>"
// to "/s/<number>".
std::string moveJSON(int number) {
    char id[40];
    std::snprintf(id, sizeof id, "5F0C6A52-3C1B-4E5B-9A57-%012d", number);
    const std::string n = std::to_string(number);
    return R"({"id": ")" + std::string(id) + R"(", "originalPath": "/a/)" + n +
           R"(", "movedPath": "/s/)" + n +
           R"(", "bytes": 1, "date": "2025-01-02T03:04:05Z", "undone": false})";
}

std::string lineOf(int number, const std::string& recent) {
    return R"({"move": )" + moveJSON(number) + R"(, "recent": ")" + recent + "\"}\n";
}

// A store file as today's saves write it, without a journal: one move into
// "/s", "/t" the one recent destination.
const std::string storeFile =
    R"({"folders": [], "moves": [)" + moveJSON(0) + R"(], "recent": ["/t"]})";

struct JournalCase {
    std::string name;
    std::optional<std::string> journal;
    std::vector<std::string> movedPaths;
    std::vector<std::string> recent;
};

class StoreJournalLoad : public ::testing::TestWithParam<JournalCase> {};

// Whatever a crash left, the store loads what its whole lines hold, and a move
// made then is kept by the next load: no part of a torn line runs into it.
TEST_P(StoreJournalLoad, LoadsTheWholeLinesAndKeepsTheNextMove) {
    const FixtureHome home;
    writeFile(SortingStore::defaultURL(), storeFile);
    if (GetParam().journal) {
        writeFile(journalPath(), *GetParam().journal);
    }
    SortingStore store(SortingStore::defaultURL());
    EXPECT_THAT(movedPaths(store), ElementsAreArray(GetParam().movedPaths));
    EXPECT_THAT(store.recentDestinations(), ElementsAreArray(GetParam().recent));

    writeFile(home / "new.txt", "x");
    store.move(home / "new.txt", 1, home / "Sorting", std::nullopt, someDay);
    std::vector<std::string> expected = GetParam().movedPaths;
    expected.push_back(home / "Sorting/new.txt");
    EXPECT_THAT(movedPaths(SortingStore(SortingStore::defaultURL())), ElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoreJournalLoad,
    ::testing::Values(JournalCase{"NoJournal", std::nullopt, {"/s/0"}, {"/t"}},
                      JournalCase{"AnEmptyJournal", "", {"/s/0"}, {"/t"}},
                      JournalCase{"WholeLines",
                                  lineOf(1, "/s") + lineOf(2, "/u"),
                                  {"/s/0", "/s/1", "/s/2"},
                                  {"/u", "/s", "/t"}},
                      JournalCase{"ALineCutShort",
                                  lineOf(1, "/s") + lineOf(2, "/u").substr(0, 40),
                                  {"/s/0", "/s/1"},
                                  {"/s", "/t"}},
                      JournalCase{"ALastLineThatIsNotJSON",
                                  lineOf(1, "/s") + std::string("\0\0\0\n", 4),
                                  {"/s/0", "/s/1"},
                                  {"/s", "/t"}},
                      JournalCase{"LinesTheFileHoldsAlready", lineOf(0, "/t"), {"/s/0"}, {"/t"}}),
    [](const auto& row) { return row.param.name; });

// The journals moved aside in the folder of the store's file, by their text.
std::vector<std::string> journalsMovedAside() {
    std::vector<std::string> texts;
    const auto folder = std::filesystem::path(SortingStore::defaultURL()).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("sorting.journal.corrupt-")) {
            texts.push_back(testing::contentsOf(entry.path()));
        }
    }
    return texts;
}

// A line no crash leaves (not JSON before the last line, or JSON that is no
// change) does not keep the store from loading: the other lines go into the
// file, and the journal is moved aside whole for a person to look at.
TEST(StoreJournal, ADamagedLineIsSkippedAndTheJournalMovedAsideOnceTheFileKeepsTheRest) {
    for (const std::string damaged : {"garbage\n", "{\"other\": 1}\n"}) {
        SCOPED_TRACE(damaged);
        const FixtureHome home;
        writeFile(SortingStore::defaultURL(), storeFile);
        const std::string journal = lineOf(1, "/s") + damaged + lineOf(2, "/u");
        writeFile(journalPath(), journal);

        const SortingStore store(SortingStore::defaultURL());
        EXPECT_THAT(movedPaths(store), ElementsAre("/s/0", "/s/1", "/s/2"));
        EXPECT_FALSE(isThere(journalPath()));
        EXPECT_THAT(journalsMovedAside(), ElementsAre(journal));
        EXPECT_THAT(movedPaths(SortingStore(SortingStore::defaultURL())),
                    ElementsAre("/s/0", "/s/1", "/s/2"));
    }
}

TEST(StoreJournal, AJournalGrownLongIsFoldedIntoTheFileByTheNextMove) {
    const FixtureHome home;
    writeFile(SortingStore::defaultURL(), storeFile);
    std::string journal;
    int lines = 0;
    while (journal.size() < StoreJournal::compactionSize) {
        journal += lineOf(++lines, "/s");
    }
    writeFile(journalPath(), journal);

    SortingStore store(SortingStore::defaultURL());
    writeFile(home / "new.txt", "x");
    store.move(home / "new.txt", 1, home / "Sorting", std::nullopt, someDay);
    // The plan folded the journal in; only the confirmation follows it.
    EXPECT_EQ(std::ranges::count(testing::contentsOf(journalPath()), '\n'), 1);
    EXPECT_EQ(SortingStore(SortingStore::defaultURL()).moves().size(),
              static_cast<std::size_t>(lines) + 2);
}

TEST(StoreJournal, TwoStoresMovingInTurnKeepEachOthersMoves) {
    const FixtureHome home;
    SortingStore first(SortingStore::defaultURL());
    SortingStore second(SortingStore::defaultURL());
    for (int i = 0; i < 4; ++i) {
        const std::string name = "f" + std::to_string(i);
        writeFile(home / name, "x");
        (i % 2 == 0 ? first : second).move(home / name, 1, home / "Sorting", std::nullopt, someDay);
    }
    EXPECT_EQ(second.moves().size(), 4u);
    EXPECT_EQ(SortingStore(SortingStore::defaultURL()).moves(), second.moves());
}

// Moves count files into a folder in a child process, writing each record's
// id to report once the move says it is done.
pid_t startMoves(const FixtureHome& home, int count, int report) {
    const pid_t child = ::fork();
    if (child == 0) {
        SortingStore store(SortingStore::defaultURL());
        for (int i = 0; i < count; ++i) {
            const auto moved = store.move(home / ("files/" + std::to_string(i)), 1,
                                          home / "Sorting", std::nullopt, someDay);
            const std::string line = moved.record.id.string() + "\n";
            if (!moved.saveError && ::write(report, line.data(), line.size()) < 0) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    return child;
}

std::set<std::string> reportedIDs(int report) {
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = ::read(report, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    std::set<std::string> ids;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        ids.insert(text.substr(start, end - start));
    }
    return ids;
}

// A journal a few lines short of being folded into the file: the moves then
// append, fold it in and append again, and the kills fall into all three.
void journalNearlyFull() {
    std::string journal;
    for (int i = 0; journal.size() + 10 * lineOf(i, "/s").size() < StoreJournal::compactionSize;
         ++i) {
        journal += lineOf(i, "/s");
    }
    writeFile(journalPath(), journal);
}

TEST(StoreJournal, MovesKilledAtAnyMomentKeepEveryMoveThatWasReportedDone) {
    constexpr int files = 100;
    constexpr int kills = 20;
    testing::KillTestSetting setting;
    const FixtureHome home;
    const auto freshStart = [&] {
        std::filesystem::remove_all(home / "Sorting");
        std::filesystem::remove_all(home / ".local");
        for (int i = 0; i < files; ++i) {
            writeFile(home / ("files/" + std::to_string(i)), "x");
        }
        journalNearlyFull();
    };
    const auto run = [&](std::optional<std::chrono::duration<double>> killAfter) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = startMoves(home, files, report[1]);
        ::close(report[1]);
        if (killAfter) {
            std::this_thread::sleep_for(*killAfter);
            ::kill(child, SIGKILL);
        }
        std::set<std::string> reported = reportedIDs(report[0]);
        ::close(report[0]);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        for (const auto& move : SortingStore(SortingStore::defaultURL()).moves()) {
            if (reported.erase(move.id.string()) == 1) {
                EXPECT_TRUE(isThere(move.movedPath)) << move.movedPath;
            }
        }
        EXPECT_THAT(reported, ::testing::IsEmpty());
    };

    freshStart();
    const auto start = std::chrono::steady_clock::now();
    run(std::nullopt);
    const std::chrono::duration<double> span = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(isThere(journalPath()) &&
                 testing::contentsOf(journalPath()).size() > StoreJournal::compactionSize);

    std::uniform_real_distribution<double> moment(0, span.count());
    for (int kill = 0; kill < kills; ++kill) {
        freshStart();
        const std::chrono::duration<double> delay(moment(setting.random));
        SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " s of " +
                     std::to_string(span.count()) + " s");
        run(delay);
    }
}

}  // namespace
}  // namespace tandor
