#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Assistant/AssistantProposalFilter.hpp"
#include "Assistant/AssistantSetup.hpp"
#include "Assistant/AssistantSheetModel.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using AssistantSetup::Client;
using AssistantSetup::snippet;

// Executable paths that a careless quoting would cut short or turn into
// another command.
const std::vector<std::string> awkwardPaths = {
    "/opt/Tandor App/bin/tandor",     "/home/ann/it's mine/tandor",
    "/home/ann/say \"hi\"/tandor",    "/home/ann/back\\slash\\/tandor",
    "/home/ann/two\nlines/tandor",    "/home/ann/$(touch pwned)`id`/tandor",
    "/home/ann/tab\there\x7f/tandor",
};

// The words the shell passes to a stub "claude" that prints each of its
// arguments followed by a NUL.
std::vector<std::string> shellWords(const std::string& command) {
    const testing::TemporaryFolder stubs;
    const std::string stub = stubs / "claude";
    std::ofstream(stub) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done\n";
    std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
    QProcess shell;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QString::fromStdString(stubs.path()));
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(QString::fromStdString(stubs.path()));
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromStdString(command)});
    EXPECT_TRUE(shell.waitForFinished(10'000));
    EXPECT_FALSE(std::filesystem::exists(stubs / "pwned"));
    const QByteArray output = shell.readAllStandardOutput();
    std::vector<std::string> words;
    for (const auto& word : output.split('\0')) {
        words.emplace_back(word.toStdString());
    }
    words.pop_back();  // after the last NUL
    return words;
}

// The "command" of the tandor server, as Python's own TOML reader reads it.
std::string tomlCommand(const std::string& toml) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, tomllib; table = tomllib.loads(sys.stdin.read()); "
                                 "sys.stdout.buffer.write(table['mcp_servers']['tandor']"
                                 "['command'].encode()); assert table['mcp_servers']['tandor']"
                                 "['args'] == ['--mcp']")});
    python.write(QByteArray::fromStdString(toml));
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished(10'000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return python.readAllStandardOutput().toStdString();
}

TEST(AssistantSetup, EachSnippetNamesTheExactPathToItsOwnReader) {
    for (const auto& path : awkwardPaths) {
        EXPECT_THAT(
            shellWords(*snippet(Client::claudeCode, path)),
            ::testing::ElementsAre("mcp", "add", "--scope", "user", "tandor", "--", path, "--mcp"))
            << path;
        EXPECT_EQ(tomlCommand(*snippet(Client::codex, path)), path);
        const auto json = nlohmann::json::parse(*snippet(Client::claudeDesktop, path));
        EXPECT_EQ(json["mcpServers"]["tandor"]["command"], path);
        EXPECT_EQ(json["mcpServers"]["tandor"]["args"], nlohmann::json::array({"--mcp"}));
    }
}

TEST(AssistantSetup, APlainPathGivesTheTextsAsAppsDocumentThem) {
    const std::string path = "/usr/bin/tandor";
    EXPECT_EQ(*snippet(Client::claudeCode, path),
              "claude mcp add --scope user tandor -- '/usr/bin/tandor' --mcp");
    EXPECT_EQ(*snippet(Client::codex, path),
              "[mcp_servers.tandor]\ncommand = \"/usr/bin/tandor\"\nargs = [\"--mcp\"]");
    EXPECT_EQ(*snippet(Client::claudeDesktop, path),
              "{\n  \"mcpServers\": {\n    \"tandor\": {\n      \"command\": \"/usr/bin/tandor\",\n"
              "      \"args\": [\"--mcp\"]\n    }\n  }\n}");
}

TEST(AssistantSetup, APathThatIsNotUTF8GivesNoSnippetAndTheSheetSaysWhy) {
    const std::string path = "/opt/caf\xe9/tandor";
    for (const auto client : AssistantSetup::allClients) {
        EXPECT_EQ(snippet(client, path), std::nullopt);
    }
    ui::Texts::setLanguage(QStringLiteral("en"));
    AssistantSheetModel model(
        {"/nowhere/assistant.json", "/nowhere/p.json", "/home/ann", path, {}, [](const QString&) {
             FAIL() << "nothing to copy";
         }});
    EXPECT_TRUE(model.snippet().isEmpty());
    EXPECT_THAT(model.snippetError().toStdString(), ::testing::HasSubstr("is not valid UTF-8"));
    model.copySnippet();
    EXPECT_FALSE(model.copied());
}

TEST(AssistantSetup, AReplacedExecutableIsNamedByItsPathAndAMovedOneBySayingSo) {
    const testing::TemporaryFolder folder;
    testing::writeFile(folder / "tandor", "the upgrade");
    testing::writeFile(folder / "odd (deleted)", "still here");
    using AssistantSetup::runningExecutable;
    EXPECT_EQ(runningExecutable(folder / "tandor"), folder / "tandor");
    EXPECT_EQ(runningExecutable(folder / "tandor (deleted)"), folder / "tandor");
    EXPECT_EQ(runningExecutable(folder / "odd (deleted)"), folder / "odd (deleted)");
    EXPECT_EQ(runningExecutable(folder / "gone (deleted)"), std::nullopt);

    ui::Texts::setLanguage(QStringLiteral("en"));
    AssistantSheetModel model({"/nowhere/assistant.json",
                               "/nowhere/p.json",
                               "/home/ann",
                               std::nullopt,
                               {},
                               [](const QString&) { FAIL() << "nothing to copy"; }});
    EXPECT_TRUE(model.snippet().isEmpty());
    EXPECT_THAT(model.snippetError().toStdString(), ::testing::HasSubstr("moved or removed"));
    model.copySnippet();
    EXPECT_FALSE(model.copied());
}

AssistantProposal proposal(std::string path, std::int64_t bytes) {
    return {std::move(path), bytes, "old", std::chrono::system_clock::now()};
}

std::vector<std::string> pathsOf(const std::vector<AssistantProposal>& proposals) {
    std::vector<std::string> paths;
    for (const auto& each : proposals) {
        paths.push_back(each.path);
    }
    return paths;
}

// The proposal file is anyone's to write: only what the assistant server could
// have proposed is offered.
TEST(AssistantProposalFilter, OffersOnlyExistingPathsInsideTheHomeLargestFirst) {
    const testing::FixtureHome home;
    const testing::TemporaryFolder outside;
    testing::writeFile(home / "a.bin", "a");
    testing::writeFile(home / "b.bin", std::string(10'000, 'b'));
    testing::writeFile(home / "c.bin", "c");
    testing::writeFile(outside / "secret", "s");
    std::filesystem::create_symlink(outside / "secret", home / "link-out");
    std::filesystem::create_symlink(home / "a.bin", home / "link-in");
    std::filesystem::create_directories(home / ".local/share/Tandor");

    const std::vector<AssistantProposal> stored = {
        proposal(home / "a.bin", 5),
        proposal(home / "missing.bin", 9),
        proposal(home / "b.bin", 7),
        proposal(home / "c.bin", 5),
        proposal(home / "link-out", 9),
        proposal(home / "link-in", 1),
        proposal(home.path(), 9),
        proposal(home / "../" + std::filesystem::path(home.path()).filename().string() + "/a.bin",
                 9),
        proposal(outside / "secret", 9),
        proposal(home / "a.bin" + std::string(1, '\0') + "x", 9),
        proposal("a.bin", 9),
        proposal(home / ".local/share/Tandor", 9),
    };
    EXPECT_THAT(
        pathsOf(AssistantProposalFilter::offered(stored, home.path())),
        ::testing::ElementsAre(home / "b.bin", home / "a.bin", home / "c.bin", home / "link-in"));
}

// The file's word on sizes is not taken: a file shows what it takes on the
// disk, a folder no more than its disk holds in use. A path stored twice
// shows once, as first stored.
TEST(AssistantProposalFilter, SizesComeFromTheDiskAndAPathStoredTwiceShowsOnce) {
    const testing::FixtureHome home;
    testing::writeFile(home / "small.bin", "x");
    testing::writeFile(home / "folder/inside.bin", "y");
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    AssistantProposal first = proposal(home / "small.bin", most);
    first.reason = "First.";
    AssistantProposal again = proposal(home / "small.bin", 3);
    again.reason = "Again.";

    const auto offered = AssistantProposalFilter::offered(
        {first, again, proposal(home / "folder", most)}, home.path());

    ASSERT_EQ(offered.size(), 2u);
    struct stat small {};
    ASSERT_EQ(::lstat((home / "small.bin").c_str(), &small), 0);
    struct statvfs disk {};
    ASSERT_EQ(::statvfs(home.path().c_str(), &disk), 0);
    for (const auto& each : offered) {
        if (each.path == home / "small.bin") {
            EXPECT_EQ(each.bytes, small.st_blocks * 512);
            EXPECT_EQ(each.reason, "First.");
        } else {
            EXPECT_LE(static_cast<std::uint64_t>(each.bytes),
                      (disk.f_blocks - disk.f_bfree) * disk.f_frsize);
        }
    }
}

TEST(AssistantSheetModel, AFailedWriteShowsWhatTheFileHoldsAndWhy) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    const testing::TemporaryFolder folder;
    testing::writeFile(folder / "not-a-folder", "x");
    AssistantSheetModel model({folder / "not-a-folder/assistant.json", folder / "p.json",
                               folder.path(), "/usr/bin/tandor",
                               [] { return std::chrono::system_clock::now(); }, nullptr});
    model.setEnabled(true);
    EXPECT_FALSE(model.enabled());
    EXPECT_THAT(model.switchError().toStdString(),
                ::testing::StartsWith("The switch could not be saved: "));

    AssistantSheetModel writable({folder / "assistant.json", folder / "p.json", folder.path(),
                                  "/usr/bin/tandor",
                                  [] { return std::chrono::system_clock::now(); }, nullptr});
    writable.setEnabled(true);
    EXPECT_TRUE(writable.enabled());
    EXPECT_TRUE(writable.switchError().isEmpty());
    EXPECT_TRUE(AssistantSettings::load(folder / "assistant.json").enabled);
}

TEST(AssistantSheetModel, AddingEveryProposalAnnouncesThePileOnce) {
    const testing::SettingsFolder settings;
    const testing::TemporaryFolder home;
    const auto now = std::chrono::system_clock::now();
    std::vector<AssistantProposal> proposals;
    for (const std::string name : {"a.bin", "b.bin", "c.bin"}) {
        testing::writeFile(home / name, "x");
        proposals.push_back({home / name, 1, "Old.", now});
    }
    AssistantProposalStore(home / "p.json").add(proposals);
    ScanModel scan;
    AssistantSheetModel model({home / "assistant.json", home / "p.json", home.path(),
                               "/usr/bin/tandor", [now] { return now; }, nullptr});
    model.setScanModel(&scan);
    model.reload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.proposalCount() == 3; }, 5000));

    const QSignalSpy announced(&scan, &ScanModel::pileChanged);
    model.addAllToPile();
    EXPECT_EQ(scan.pileCount(), 3);
    EXPECT_EQ(announced.count(), 1);
}

// The proposals the sheet shows once its first read is done.
std::vector<std::string> shownPaths(const std::string& home, const std::string& proposals) {
    AssistantSheetModel model({home + "/assistant.json", proposals, home, "/usr/bin/tandor",
                               [] { return std::chrono::system_clock::now(); }, nullptr});
    model.reload();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !model.isReading(); }, 5000));
    return pathsOf(model.proposals());
}

// A long proposal file is not read again every few seconds for nothing: the
// timer reads it again only once it changed.
TEST(AssistantSheetModel, TheProposalsAreReadAgainOnlyWhenTheirFileChanged) {
    const testing::TemporaryFolder home;
    testing::writeFile(home / "a.bin", "a");
    testing::writeFile(home / "b.bin", "b");
    const AssistantProposalStore store(home / "p.json");
    store.add({proposal(home / "a.bin", 1)});
    AssistantSheetModel model({home / "assistant.json", home / "p.json", home.path(),
                               "/usr/bin/tandor", [] { return std::chrono::system_clock::now(); },
                               nullptr});
    model.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.proposalCount() == 1; }, 5000));

    model.refresh();
    EXPECT_FALSE(model.isReading());

    store.add({proposal(home / "b.bin", 1)});
    model.refresh();
    EXPECT_TRUE(model.isReading());
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.proposalCount() == 2; }, 5000));
}

TEST(AssistantSheetModel, AHomeWrittenWithATrailingSlashStillShowsItsProposals) {
    const testing::TemporaryFolder home;
    testing::writeFile(home / "a.bin", "a");
    AssistantProposalStore(home / "p.json").add({proposal(home / "a.bin", 1)});
    EXPECT_THAT(shownPaths(home.path() + "/", home / "p.json"),
                ::testing::ElementsAre(home / "a.bin"));
}

// Another program may write the file: what the proposal tool would not write is
// left out, and reading leaves the file as it is.
TEST(AssistantSheetModel, OnlyWellFormedProposalsShowAndTheFileStaysAsWritten) {
    const testing::TemporaryFolder home;
    nlohmann::json stored = nlohmann::json::array();
    const auto store = [&](const std::string& name, std::int64_t bytes, const std::string& reason) {
        testing::writeFile(home / name, "x");
        stored.push_back({{"bytes", bytes},
                          {"path", home / name},
                          {"proposedAt", "2026-01-02T03:04:05Z"},
                          {"reason", reason}});
    };
    store("negative.bin", -8'999'999'999'999'999'995, "Old.");
    store("empty-reason.bin", 5, "");
    store("blank-reason.bin", 5, " \n\t");
    store("long-reason.bin", 5, std::string(maximumReasonLength + 1, 'x'));
    store("longest-reason.bin", 5, std::string(maximumReasonLength, 'x'));
    store("empty.bin", 0, "Nothing in it.");
    const std::string contents = stored.dump(2);
    testing::writeFile(home / "p.json", contents);

    EXPECT_THAT(shownPaths(home.path(), home / "p.json"),
                ::testing::ElementsAre(home / "longest-reason.bin", home / "empty.bin"));
    EXPECT_EQ(testing::contentsOf(home / "p.json"), contents);
}

TEST(AssistantSheetModel, CopiedHoldsUntilAnotherAppIsChosen) {
    std::vector<QString> copied;
    AssistantSheetModel model({"/nowhere/assistant.json",
                               "/nowhere/p.json",
                               "/home/ann",
                               "/usr/bin/tandor",
                               {},
                               [&](const QString& text) { copied.push_back(text); }});
    model.setClient(1);
    model.copySnippet();
    EXPECT_TRUE(model.copied());
    EXPECT_THAT(copied, ::testing::ElementsAre(
                            QString::fromStdString(*snippet(Client::codex, "/usr/bin/tandor"))));
    model.setClient(1);
    EXPECT_TRUE(model.copied());
    model.setClient(2);
    EXPECT_FALSE(model.copied());
}

}  // namespace
}  // namespace tandor
