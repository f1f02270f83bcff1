#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::FixtureHome;
using testing::TemporaryFolder;

Date at(std::int64_t seconds) {
    return Date(std::chrono::seconds(seconds));
}

std::string contents(const std::string& path) {
    return readFileIfPresent(path).value_or("<missing>");
}

TEST(AssistantSettingsTests, LivesInTheSharedSupportFolder) {
    const FixtureHome home;
    EXPECT_EQ(AssistantSettings::defaultPath(), home / ".local/share/Tandor/assistant.json");
}

TEST(AssistantSettingsTests, AnythingButAValidFileReadsAsSwitchedOff) {
    const TemporaryFolder folder;
    const std::string path = folder / "assistant.json";
    const AssistantSettings off{};
    const struct {
        const char* text;
        AssistantSettings expected;
    } cases[] = {
        {R"({"enabled": true})", {true, std::nullopt}},
        {R"({"enabled": true, "enabledAt": null, "other": 1})", {true, std::nullopt}},
        {R"({"enabled": true, "enabledAt": "2026-12-09T09:30:28Z"})", {true, at(1'796'808'628)}},
        {R"({"enabled": 1})", off},
        {R"({"enabled": "true"})", off},
        {R"({"enabledAt": "2026-12-09T09:30:28Z"})", off},
        {R"({"enabled": true, "enabledAt": 5})", off},
        {R"({"enabled": true, "enabledAt": "yesterday"})", off},
        {"", off},
        {"[]", off},
    };
    EXPECT_EQ(AssistantSettings::load(path), off) << "no file";
    for (const auto& each : cases) {
        writeFileAtomically(path, each.text);
        EXPECT_EQ(AssistantSettings::load(path), each.expected) << each.text;
    }
}

TEST(AssistantSettingsTests, SavesIntoANewFolderAndReadsBackInWholeSeconds) {
    const TemporaryFolder folder;
    const std::string path = folder / "a/b/assistant.json";
    const AssistantSettings on{true, at(1'796'808'628) + std::chrono::milliseconds(700)};
    on.save(path);
    EXPECT_EQ(contents(path),
              "{\n  \"enabled\": true,\n  \"enabledAt\": \"2026-12-09T09:30:28Z\"\n}\n");
    EXPECT_EQ(AssistantSettings::load(path), (AssistantSettings{true, at(1'796'808'628)}));
    AssistantSettings{false, std::nullopt}.save(path);
    EXPECT_EQ(contents(path), "{\n  \"enabled\": false\n}\n");
}

class AssistantProposalStoreTests : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::string path = folder / "Tandor/assistant-proposals.json";
    AssistantProposalStore store{path, [] { return at(1'796'808'628); }};

    static AssistantProposal proposal(std::string path, std::string reason = "old") {
        return {std::move(path), 100, std::move(reason), at(1'796'800'000)};
    }
    std::vector<std::string> storedPaths() const {
        std::vector<std::string> paths;
        for (const auto& stored : store.load()) {
            paths.push_back(stored.path + ":" + stored.reason);
        }
        return paths;
    }
};

TEST_F(AssistantProposalStoreTests, AddAppendsNewPathsAndReplacesKnownOnesInPlace) {
    EXPECT_EQ(store.add({proposal("/h/A"), proposal("/h/B")}), 2);
    EXPECT_EQ(store.add({proposal("/h/B", "newer"), proposal("/h/C")}), 1);
    EXPECT_EQ(storedPaths(), (std::vector<std::string>{"/h/A:old", "/h/B:newer", "/h/C:old"}));
    EXPECT_EQ(store.add({proposal("/h/D", "first"), proposal("/h/D", "second")}), 1);
    EXPECT_EQ(storedPaths().back(), "/h/D:second");
    EXPECT_EQ(store.add({proposal("/h/A/"), proposal("/h/a")}), 2) << "paths match as whole bytes";
}

TEST_F(AssistantProposalStoreTests, DismissRemovesByPathAndAlwaysWrites) {
    store.dismiss({});
    EXPECT_EQ(contents(path), "[]\n") << "a missing file is created empty";
    store.add({proposal("/h/A"), proposal("/h/B"), proposal("/h/C")});
    store.dismiss({"/h/A", "/h/C", "/h/Z"});
    EXPECT_EQ(storedPaths(), (std::vector<std::string>{"/h/B:old"}));
}

TEST_F(AssistantProposalStoreTests, KeepsEveryFieldAndTheBytesOfAnyName) {
    const AssistantProposal odd{"/h/caf\xe9 100%/x", 123'456'789'012, std::string("w\xfcrde\0!", 7),
                                at(1'796'800'000) + std::chrono::milliseconds(250)};
    store.add({odd});
    const auto loaded = store.load();
    ASSERT_EQ(loaded.size(), 1U);
    EXPECT_EQ(loaded[0], (AssistantProposal{odd.path, odd.bytes, odd.reason, at(1'796'800'000)}));
}

TEST_F(AssistantProposalStoreTests, LoadGivesNothingForAFileThatDoesNotDecode) {
    for (const char* text :
         {"{}", R"([{"path":"/h/A","bytes":1,"proposedAt":"2026-12-09T09:30:28Z"}])",
          R"([{"path":"/h/A","bytes":1.5,"reason":"r","proposedAt":"2026-12-09T09:30:28Z"}])",
          R"([{"path":"/h/A\u0000","bytes":1,"reason":"r","proposedAt":"2026-12-09T09:30:28Z"}])",
          "not json"}) {
        writeFileAtomically(path, text);
        EXPECT_TRUE(store.load().empty()) << text;
    }
}

// Anyone may write the file: however long it grows, load keeps only its first
// proposals.
TEST_F(AssistantProposalStoreTests, LoadKeepsOnlyTheFirstProposalsOfALongFile) {
    std::vector<AssistantProposal> many;
    for (std::size_t i = 0; i < AssistantProposalStore::maximumLoaded + 5; ++i) {
        many.push_back(proposal("/h/" + std::to_string(i)));
    }
    store.add(many);
    const auto loaded = store.load();
    ASSERT_EQ(loaded.size(), AssistantProposalStore::maximumLoaded);
    EXPECT_EQ(loaded.front().path, "/h/0");
    EXPECT_EQ(loaded.back().path,
              "/h/" + std::to_string(AssistantProposalStore::maximumLoaded - 1));
}

TEST_F(AssistantProposalStoreTests, AFileThatDoesNotDecodeIsMovedAsideNotOverwritten) {
    const char* outOfRange =
        R"([{"path":"/h/B","bytes":1e400,"reason":"r","proposedAt":"2026-12-09T09:30:28Z"}])";
    for (const char* text : {"{broken", R"({"path":"/h/A"})", outOfRange}) {
        writeFileAtomically(path, text);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(store.add({proposal("/h/A")}), 1);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("moved"), std::string::npos) << said;
        EXPECT_EQ(storedPaths(), (std::vector<std::string>{"/h/A:old"}));
    }
    EXPECT_EQ(contents(path + ".corrupt-20261209T093028Z"), "{broken");
    EXPECT_EQ(contents(path + ".corrupt-20261209T093028Z-2"), R"({"path":"/h/A"})");
    EXPECT_EQ(contents(path + ".corrupt-20261209T093028Z-3"), outOfRange);
}

TEST_F(AssistantProposalStoreTests, AFileThatCannotBeReadFailsTheChange) {
    std::filesystem::create_directories(path);
    EXPECT_THROW(store.add({proposal("/h/A")}), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(AssistantProposalStoreTests, ChangesFromSeveralProcessesAreAllKept) {
    constexpr int processes = 4;
    constexpr int addsEach = 25;
    store.add({});
    std::vector<pid_t> children;
    for (int process = 0; process < processes; ++process) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int add = 0; add < addsEach; ++add) {
                std::ostringstream name;
                name << "/h/" << process << "-" << add;
                store.add({proposal(name.str())});
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    EXPECT_EQ(store.load().size(), static_cast<std::size_t>(processes * addsEach));
}

}  // namespace
}  // namespace tandor
