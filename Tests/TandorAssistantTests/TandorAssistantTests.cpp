#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::fileNode;
using testing::folderNode;
using testing::TemporaryFolder;

class TandorAssistantTests : public ::testing::Test {
  protected:
    TemporaryFolder outer;
    std::string home = outer / "a";
    std::vector<std::string> scans;
    bool scanFails = false;
    TandorAssistant assistant{home, AssistantProposalStore(outer / "proposals.json"),
                              [] { return Date{}; },
                              [this](const std::string& path) {
                                  if (scanFails) {
                                      throw std::runtime_error("Cannot read " + path);
                                  }
                                  scans.push_back(path);
                                  return TandorAssistant::ScanResultSummary{
                                      folderNode(path, {fileNode(path + "/f", 5)}), 1};
                              }};

    void SetUp() override {
        namespace fs = std::filesystem;
        fs::create_directories(home + "/Downloads");
        fs::create_directories(outer / "ab");
        fs::create_symlink(outer.path(), home + "/out");
        fs::create_symlink("/nonexistent-tandor/zzz", home + "/dangling");
        fs::create_symlink(home + "/Downloads", home + "/in");
        fs::create_symlink("loop", home + "/loop");
    }

    std::string resolved(const std::optional<std::string>& path) {
        try {
            return assistant.resolve(path);
        } catch (const ToolError& error) {
            return error.description();
        }
    }
};

TEST_F(TandorAssistantTests, ResolvesPathArgumentsInsideTheHomeFolderOnly) {
    const std::string notAbsolute = "Use an absolute path, for example " + home + "/Downloads.";
    const std::string outside = "Tandor only looks inside " + home + ".";
    const struct {
        std::optional<std::string> argument;
        std::string expected;
    } cases[] = {
        {std::nullopt, home},
        {"", home},
        {"   ", home},
        {"~", home},
        {" ~/Downloads/ ", home + "/Downloads"},
        {"\t~/Music", home + "/Music"},
        {home + "/Downloads/../Music/./x", home + "/Music/x"},
        {home + "/in/new.txt", home + "/in/new.txt"},
        {std::string(1, '\0') + home + "/caf%E9 100%25", home + "/caf\xe9 100%"},
        {"Downloads", notAbsolute},
        {"~user", notAbsolute},
        {"~user/Downloads", notAbsolute},
        {std::string(1, '\0') + "/x%G1", notAbsolute},
        {"/etc", outside},
        {"~/../..", outside},
        {outer / "ab", outside},
        {outer / "ab/x", outside},
        {"~/out", outside},
        {"~/out/ab", outside},
        {"~/out/a/Downloads", home + "/out/a/Downloads"},
        {"~/out/missing/deeper", outside},
        {"~/dangling/x", outside},
        {"~/loop", outside},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(resolved(each.argument), each.expected) << each.argument.value_or("<none>");
    }
}

TEST_F(TandorAssistantTests, ATreeServesEveryPathBelowItUntilARefreshOrAPathOutside) {
    EXPECT_EQ(assistant.scanned(home, false).root->path(), home);
    EXPECT_EQ(assistant.scanned(home + "/Library/Caches", false).root->path(), home);
    EXPECT_EQ(scans, std::vector<std::string>{home});

    EXPECT_EQ(assistant.scanned(home + "/Downloads", true).root->path(), home + "/Downloads");
    EXPECT_EQ(assistant.scannedContaining(home + "/Downloads/x").root->path(), home + "/Downloads");
    EXPECT_EQ(assistant.scanned(home, false).root->path(), home) << "a parent scans again";
    EXPECT_EQ(scans, (std::vector<std::string>{home, home + "/Downloads", home}));
}

TEST_F(TandorAssistantTests, AFailingScanKeepsTheCachedTree) {
    assistant.scanned(home, false);
    scanFails = true;
    EXPECT_THROW(assistant.scanned(home, true), std::runtime_error);
    EXPECT_EQ(assistant.scanned(home + "/Downloads", false).root->path(), home);
}

TEST_F(TandorAssistantTests, DescribesANode) {
    const auto withDate = fileNode("/h/caf\xe9.bin", 1'500'000, Date(std::chrono::seconds(1)));
    EXPECT_EQ(TandorAssistant::describe(*withDate),
              JSONValue::object({{"path", std::string(1, '\0') + "/h/caf%E9.bin"},
                                 {"bytes", 1'500'000},
                                 {"size", "1.5 MB"},
                                 {"folder", false},
                                 {"modified", "1970-01-01T00:00:01Z"}}));
    const auto container = folderNode("/h", {withDate, fileNode("/h/b", 10)});
    EXPECT_EQ(TandorAssistant::describe(*container), JSONValue::object({{"path", "/h"},
                                                                        {"bytes", 1'500'010},
                                                                        {"size", "1.5 MB"},
                                                                        {"folder", true},
                                                                        {"files", 2}}));
}

}  // namespace
}  // namespace tandor
