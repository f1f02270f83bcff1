#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "ReviewTestSupport.hpp"
#include "StoreContract.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/StoreJournal.hpp"
#include "TestSupport/FifoReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::testing {
namespace {

std::string storePath(const StoreAdapter& adapter) {
    return supportFolderPath() + "/" + adapter.fileName;
}

TEST_P(StoreContract, MissingFileIsAnEmptyStoreAndWritesNothing) {
    const FixtureHome home;
    const auto store = GetParam().open(storePath(GetParam()));
    EXPECT_EQ(store->recordCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(supportFolderPath()));
}

TEST_P(StoreContract, UndecodableFileIsAnErrorAndIsNeverWrittenOver) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    std::vector<std::string> files = {"", "[{", "\xFF\xFE not JSON", "42", "null"};
    files.insert(files.end(), GetParam().undecodableFiles.begin(),
                 GetParam().undecodableFiles.end());
    for (const auto& contents : files) {
        writeFile(path, contents);
        EXPECT_ANY_THROW(GetParam().open(path)) << contents;
        EXPECT_EQ(contentsOf(path), contents);
    }
}

// A FIFO in place of the store's file or of the journal beside it would hold
// the store's reader, and the window waiting on it, until some writer came.
TEST_P(StoreContract, AFifoInPlaceOfTheFileOrItsJournalNeverHoldsTheStore) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    std::filesystem::create_directories(supportFolderPath());

    makeFifo(path);
    EXPECT_TRUE(returnsWithoutAWriter(path, [&] { EXPECT_ANY_THROW(GetParam().open(path)); }));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    std::filesystem::remove(path);

    const std::string journal = StoreJournal::pathFor(path);
    makeFifo(journal);
    EXPECT_TRUE(returnsWithoutAWriter(journal, [&] {
        try {
            GetParam().open(path)->addRecord();
        } catch (const std::exception&) {
            // A store with a journal refuses it; one without never reads it.
        }
    }));
}

TEST_P(StoreContract, FileSpoiledAfterLoadingIsNotWrittenOver) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    const auto store = GetParam().open(path);
    store->addRecord();
    writeFile(path, "[{");
    EXPECT_ANY_THROW(store->addRecord());
    EXPECT_EQ(contentsOf(path), "[{");
}

TEST_P(StoreContract, UnwritableFolderKeepsTheChangeForTheNextSave) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    const auto store = GetParam().open(path);
    writeFile(supportFolderPath(), "a plain file where the folder belongs");

    EXPECT_ANY_THROW(store->addRecord());
    EXPECT_EQ(store->recordCount(), 1u);

    std::filesystem::remove(supportFolderPath());
    store->addRecord();
    EXPECT_EQ(GetParam().open(path)->recordCount(), 2u);
}

TEST_P(StoreContract, TwoObjectsOnOneFileKeepEachOthersRecords) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    const auto first = GetParam().open(path);
    const auto second = GetParam().open(path);
    first->addRecord();
    second->addRecord();
    first->addRecord();
    EXPECT_EQ(GetParam().open(path)->recordCount(), 3u);
    EXPECT_EQ(first->recordCount(), 3u);
}

// The application changes a store on a worker while the main thread changes
// and reads it too: one object shared by threads loses no record.
TEST_P(StoreContract, OneObjectSharedByThreadsKeepsEveryRecord) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    const auto store = GetParam().open(path);
    constexpr std::size_t perThread = 20;
    std::thread worker([&] {
        for (std::size_t i = 0; i < perThread; ++i) {
            store->addRecord();
        }
    });
    for (std::size_t i = 0; i < perThread; ++i) {
        store->addRecord();
        EXPECT_LE(store->recordCount(), 2 * perThread);
    }
    worker.join();
    EXPECT_EQ(store->recordCount(), 2 * perThread);
    EXPECT_EQ(GetParam().open(path)->recordCount(), 2 * perThread);
}

// A child saves over and over while this process keeps reading; then the child
// is killed in the middle of whatever it was doing. Every read must decode.
TEST_P(StoreContract, ReadersNeverSeeAPartialFileEvenWhenTheWriterIsKilled) {
    const FixtureHome home;
    const std::string path = storePath(GetParam());
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            const auto store = GetParam().open(path);
            for (int i = 0; i < 1000000 && ::getppid() == parent; ++i) {
                store->addRecord();
            }
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }

    std::size_t seen = 0;
    int status = 0;
    while (seen < 30) {
        ASSERT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the writer stopped early";
        ASSERT_NO_THROW(seen = GetParam().open(path)->recordCount());
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    EXPECT_GE(GetParam().open(path)->recordCount(), seen);
}

}  // namespace
}  // namespace tandor::testing
