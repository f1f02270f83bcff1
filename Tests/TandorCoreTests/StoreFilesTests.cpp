#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TestSupport/FifoReader.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

namespace fs = std::filesystem;
using testing::contentsOf;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SupportFolder, FollowsTheXDGDataHome) {
    struct Case {
        std::optional<std::string> home;
        std::optional<std::string> dataHome;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/u", "/data", "/data/Tandor"},
        {"/home/u", std::nullopt, "/home/u/.local/share/Tandor"},
        {"/home/u", "", "/home/u/.local/share/Tandor"},
        {"/home/u", "relative/data", "/home/u/.local/share/Tandor"},
        {"/home/u/", "/data/", "/data/Tandor"},
    };
    for (const auto& c : cases) {
        testing::EnvironmentOverride environment;
        environment.set("HOME", c.home).set("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(supportFolderPath(), c.expected);
    }
}

TEST(SupportFolder, HomeFallsBackToThePasswordDatabase) {
    testing::EnvironmentOverride environment;
    environment.set("HOME", std::nullopt);
    EXPECT_TRUE(homeFolderPath().starts_with("/"));
}

TEST(AtomicFile, CreatesFoldersAndReplacesWholeFiles) {
    testing::TemporaryFolder folder;
    const std::string path = folder / "a/b/store.json";
    writeFileAtomically(path, "first");
    writeFileAtomically(path, "second");
    EXPECT_EQ(readFileIfPresent(path), "second");
    EXPECT_EQ(namesIn(folder / "a/b"), std::vector<std::string>{"store.json"});
}

TEST(AtomicFile, FailureLeavesTheOldFileAndNoTemporary) {
    testing::TemporaryFolder folder;
    const std::string path = folder / "store.json";
    writeFileAtomically(path, "kept");
    // A folder where the file should go cannot be replaced by a file.
    const std::string blocked = folder / "blocked";
    fs::create_directories(blocked + "/inside");
    EXPECT_THROW(writeFileAtomically(blocked, "new"), FileError);
    EXPECT_EQ(contentsOf(path), "kept");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"blocked", "store.json"}));
    // A plain file where the folder should be.
    EXPECT_THROW(writeFileAtomically(path + "/child.json", "x"), FileError);
}

TEST(AtomicFile, ASaveRemovesOnlyItsOwnStaleTemporaries) {
    testing::TemporaryFolder folder;
    const std::string path = folder / "store.json";
    enum class Kind { file, subfolder, link };
    const struct {
        const char* name;
        Kind kind;
        int minutesOld;
        bool kept;
    } cases[] = {
        {".store.json.a1B2c3", Kind::file, 2, false},
        {".store.json.Zz9yY8", Kind::file, 0, true},  // a save running in another process
        {".other.json.a1B2c3", Kind::file, 2, true},
        {".store.json.a1B2c", Kind::file, 2, true},
        {".store.json.a1B2c3d", Kind::file, 2, true},
        {".store.json.a1-2c3", Kind::file, 2, true},
        {"store.json.a1B2c3", Kind::file, 2, true},
        {".store.json.folder", Kind::subfolder, 2, true},
        {".store.json.link00", Kind::link, 2, true},
    };
    for (const auto& each : cases) {
        const std::string entry = folder / each.name;
        if (each.kind == Kind::subfolder) {
            fs::create_directory(entry);
        } else if (each.kind == Kind::link) {
            fs::create_symlink("store.json", entry);
        } else {
            writeFileAtomically(entry, "partial");
        }
        const timespec modified{::time(nullptr) - each.minutesOld * 60, 0};
        const timespec times[2] = {modified, modified};
        ASSERT_EQ(::utimensat(AT_FDCWD, entry.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << entry;
    }
    writeFileAtomically(path, "saved");
    for (const auto& each : cases) {
        EXPECT_EQ(fs::symlink_status(folder / each.name).type() != fs::file_type::not_found,
                  each.kept)
            << each.name;
    }
    EXPECT_EQ(contentsOf(path), "saved");
}

TEST(AtomicFile, ReadingTellsMissingFromUnreadable) {
    testing::TemporaryFolder folder;
    EXPECT_EQ(readFileIfPresent(folder / "missing.json"), std::nullopt);
    EXPECT_THROW(readFileIfPresent(folder.path()), FileError);
    writeFileAtomically(folder / "empty", "");
    EXPECT_EQ(readFileIfPresent(folder / "empty"), "");
}

// A FIFO in a store's place would hold its reader until some writer came;
// it is refused at once, as is a link where links are refused.
TEST(AtomicFile, ReadingRefusesAnythingButARegularFileWithoutWaiting) {
    testing::TemporaryFolder folder;
    const std::string fifo = folder / "store.json";
    testing::makeFifo(fifo);
    const auto readers = [&] {
        EXPECT_THROW(readFileIfPresent(fifo), FileError);
        EXPECT_THROW(fileHolds(fifo, "text"), FileError);
        EXPECT_THROW(JSONStoreFile(fifo).read(), FileError);
        EXPECT_THROW(openForAppending(fifo, O_WRONLY), FileError);
        EXPECT_THROW(openForAppending(fifo, O_RDWR), FileError);
    };
    EXPECT_TRUE(testing::returnsWithoutAWriter(fifo, readers));

    const std::string link = folder / "link.json";
    writeFileAtomically(folder / "target.json", "[]");
    fs::create_symlink("target.json", link);
    EXPECT_EQ(readFileIfPresent(link), "[]");
    EXPECT_THROW(readFileIfPresent(link, LinkAtPath::refuse), FileError);
    EXPECT_THROW(fileHolds(link, "[]", LinkAtPath::refuse), FileError);
}

// Texts longer than one read, differing only at their very end, are told
// apart; so are an empty file and no file.
TEST(AtomicFile, AFileHoldsExactlyItsTextOrNothingWhenThereIsNone) {
    const std::string longText(200'000, 'a');
    struct Case {
        std::optional<std::string> file;
        std::optional<std::string> text;
        bool holds;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, true},
        {std::nullopt, "", false},
        {"", std::nullopt, false},
        {"", "", true},
        {longText, longText, true},
        {longText, longText + "b", false},
        {longText + "b", longText, false},
        {longText + "b", longText + "c", false},
        {"{}", "[]", false},
    };
    for (const auto& row : cases) {
        testing::TemporaryFolder folder;
        if (row.file) {
            writeFileAtomically(folder / "store.json", *row.file);
        }
        EXPECT_EQ(fileHolds(folder / "store.json", row.text), row.holds)
            << (row.file ? row.file->size() : 0) << " " << (row.text ? row.text->size() : 0);
    }
    testing::TemporaryFolder folder;
    EXPECT_THROW(fileHolds(folder.path(), std::nullopt), FileError);
}

TEST(AtomicFile, AReaderNeverSeesAPartialFile) {
    testing::TemporaryFolder folder;
    const std::string path = folder / "store.json";
    const std::string small(10, 'a');
    const std::string large(1 << 20, 'b');
    writeFileAtomically(path, small);
    const pid_t writer = fork();
    if (writer == 0) {
        for (int i = 0; i < 200; ++i) {
            writeFileAtomically(path, i % 2 == 0 ? large : small);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        const auto seen = readFileIfPresent(path);
        ASSERT_TRUE(seen == small || seen == large) << "size " << (seen ? seen->size() : 0);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(JSONStoreFile, MissingMalformedAndValidFiles) {
    testing::TemporaryFolder folder;
    const JSONStoreFile store(folder / "store.json");
    EXPECT_EQ(store.read(), std::nullopt);
    for (const char* broken : {"", "{", "not json", "{\"a\": 1} trailing", "[1e400]", "-1e400"}) {
        writeFileAtomically(store.path(), broken);
        EXPECT_THROW(store.read(), DecodingError) << broken;
        EXPECT_THROW(store.update([](const auto&) { return nlohmann::json::object(); }),
                     DecodingError)
            << broken;
        EXPECT_EQ(contentsOf(store.path()), broken);
    }
}

TEST(JSONStoreFile, UpdateMergesWithWhatIsOnDiskNow) {
    testing::TemporaryFolder folder;
    const JSONStoreFile first(folder / "store.json");
    const JSONStoreFile second(folder / "store.json");
    const auto appending = [](const std::string& id) {
        return [id](const std::optional<nlohmann::json>& current) {
            nlohmann::json ids = current ? current->at("ids") : nlohmann::json::array();
            ids.push_back(id);
            return nlohmann::json{{"ids", ids}, {"b", 1}, {"a", 2}};
        };
    };
    first.update(appending("one"));
    second.update(appending("two"));
    EXPECT_EQ(first.read()->at("ids"), (nlohmann::json{"one", "two"}));
    EXPECT_EQ(contentsOf(first.path()),
              "{\n  \"a\": 2,\n  \"b\": 1,\n  \"ids\": [\n    \"one\",\n    \"two\"\n  ]\n}\n");
}

TEST(JSONStoreFile, ConcurrentWritersLoseNothing) {
    testing::TemporaryFolder folder;
    const std::string path = folder / "store.json";
    constexpr int writers = 4;
    constexpr int updatesEach = 25;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t child = fork();
        if (child == 0) {
            const JSONStoreFile store(path);
            for (int i = 0; i < updatesEach; ++i) {
                store.update([](const std::optional<nlohmann::json>& current) {
                    return nlohmann::json(current ? current->get<int>() + 1 : 1);
                });
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(JSONStoreFile(path).read(), nlohmann::json(writers * updatesEach));
}

}  // namespace
}  // namespace tandor
