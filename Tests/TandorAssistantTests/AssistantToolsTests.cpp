#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/Paths.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::FixtureHome;
namespace fs = std::filesystem;

// A file whose blocks are allocated without writing them, so fixtures of
// tens of megabytes stay quick. daysOld moves its modification date back.
void makeFile(const std::string& path, off_t bytes, int daysOld = 0) {
    fs::create_directories(fs::path(path).parent_path());
    const int descriptor = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0) << path;
    if (bytes > 0) {
        ASSERT_EQ(::posix_fallocate(descriptor, 0, bytes), 0) << path;
    }
    ::close(descriptor);
    if (daysOld > 0) {
        const auto when = fs::last_write_time(path) - std::chrono::hours(24 * daysOld);
        fs::last_write_time(path, when);
    }
}

class AssistantToolsTests : public ::testing::Test {
  protected:
    FixtureHome home;
    std::string proposalFile = home / ".local/share/Tandor/assistant-proposals.json";
    TandorAssistant assistant{home.path(), AssistantProposalStore(proposalFile)};

    void SetUp() override {
        makeFile(home / ".npm/_cacache/content/blob", 60'000'000);
        makeFile(home / "Downloads/old.dmg", 12'000'000, 60);
        makeFile(home / "Downloads/big.bin", 2'000'000);
        makeFile(home / "Downloads/small.txt", 200'000);
        makeFile(home / "Downloads/caf\xe9.bin", 1'200'000);
        makeFile(home / "Projects/site/package.json", 20);
        makeFile(home / "Projects/site/node_modules/lib.js", 3'000'000);
        for (int index = 0; index < 30; ++index) {
            makeFile(home / ("Stack/file" + std::to_string(index)), 1'000'000 + index * 4096);
        }
        fs::create_directories(home / "Empty");
    }

    static std::string failure(const std::function<void()>& call) {
        try {
            call();
        } catch (const ToolError& error) {
            return error.description();
        }
        return "<no failure>";
    }

    // The number of scans the calls made, by their line on standard error.
    static int scansDuring(const std::function<void()>& calls) {
        ::testing::internal::CaptureStderr();
        calls();
        const std::string said = ::testing::internal::GetCapturedStderr();
        int count = 0;
        for (auto at = said.find("tandor: scanning "); at != std::string::npos;
             at = said.find("tandor: scanning ", at + 1)) {
            ++count;
        }
        return count;
    }
};

std::size_t count(const JSONValue& answer, const char* key) {
    return answer[key]->arrayValue()->size();
}

TEST_F(AssistantToolsTests, OverviewAnswersTotalsAndTheBiggestChildrenFromOneScan) {
    JSONValue answer;
    JSONValue downloads;
    EXPECT_EQ(scansDuring([&] {
                  answer = assistant.overview(JSONValue::object({{"top", 2}}));
                  downloads = assistant.overview(JSONValue::object({{"path", "~/Downloads"}}));
              }),
              1);
    EXPECT_EQ(*answer["path"], JSONValue(home.path()));
    EXPECT_EQ(*answer["unreadableFolders"], JSONValue(0));
    const auto& biggest = *answer["biggest"]->arrayValue();
    ASSERT_EQ(biggest.size(), 2U);
    EXPECT_EQ(*biggest[0]["path"], JSONValue(home / ".npm"));
    EXPECT_EQ(*biggest[1]["path"], JSONValue(home / "Stack"));
    EXPECT_GE(*answer["bytes"]->intValue(), 108'000'000);
    EXPECT_EQ(count(downloads, "biggest"), 3U) << "old.dmg, big.bin and the escaped name";

    const auto one = assistant.overview(JSONValue::object({{"path", "~/Downloads/big.bin"}}));
    EXPECT_EQ(count(one, "biggest"), 0U);
    EXPECT_EQ(*one["files"], JSONValue(1));
    EXPECT_EQ(scansDuring([&] { assistant.overview(JSONValue::object({{"refresh", true}})); }), 1);
}

TEST_F(AssistantToolsTests, TopIsClampedIntoRangeOrDefaulted) {
    const struct {
        JSONValue top;
        std::size_t listed;
    } cases[] = {
        {0, 1},
        {-5, 1},
        {JSONValue::number(1.0), 1},
        {7, 7},
        {JSONValue::number(2.5), 25},
        {250, 30},
        {"7", 25},
        {JSONValue::number(1e300), 25},
        {JSONValue::number(-1e300), 25},
        {true, 25},
    };
    for (const auto& each : cases) {
        const auto answer =
            assistant.folderContents(JSONValue::object({{"path", "~/Stack"}, {"top", each.top}}));
        EXPECT_EQ(count(answer, "children"), each.listed) << each.top.text(false);
    }
    const auto defaulted = assistant.folderContents(JSONValue::object({{"path", "~/Stack"}}));
    EXPECT_EQ(*defaulted["moreChildren"], JSONValue(5));
}

TEST_F(AssistantToolsTests, ArgumentsOfTheWrongTypeCountAsMissing) {
    for (const auto& arguments : {JSONValue::object({{"path", 5}, {"refresh", "yes"}}),
                                  JSONValue::array({"~/Downloads"}), JSONValue(nullptr)}) {
        EXPECT_EQ(*assistant.overview(arguments)["path"], JSONValue(home.path()))
            << arguments.text(false);
    }
}

TEST_F(AssistantToolsTests, FolderContentsFindsOnlyWhatTheScanKept) {
    assistant.overview(JSONValue::object({}));
    EXPECT_EQ(failure([&] {
                  assistant.folderContents(JSONValue::object({{"path", "~/Downloads/small.txt"}}));
              }),
              "Nothing found at " + home / "Downloads/small.txt" + ", or it is under 1 MB.");
    const auto listed = assistant.folderContents(JSONValue::object({{"path", "~/Downloads"}}));
    const auto& children = *listed["children"]->arrayValue();
    ASSERT_EQ(children.size(), 3U);
    const std::string escaped = *children[2]["path"]->stringValue();
    EXPECT_EQ(escaped, std::string(1, '\0') + home / "Downloads/caf%E9.bin");
    EXPECT_EQ(*assistant.overview(JSONValue::object({{"path", escaped}}))["bytes"],
              *children[2]["bytes"])
        << "the escaped form is accepted back";

    fs::create_directories(home / "Later");
    EXPECT_EQ(failure([&] {
                  assistant.overview(JSONValue::object({{"path", "~/Later"}}));
              }),
              "Nothing found at " + home / "Later" + ".");
    assistant.overview(JSONValue::object({{"path", "~/Later"}, {"refresh", true}}));
}

TEST_F(AssistantToolsTests, PathsOutsideTheHomeFolderAreRefused) {
    fs::create_symlink("/etc", home / "etc-link");
    for (const char* path : {"/etc", "~/../..", "~/etc-link", "relative"}) {
        EXPECT_NE(failure([&] {
                      assistant.overview(JSONValue::object({{"path", path}}));
                  }),
                  "<no failure>")
            << path;
    }
}

TEST_F(AssistantToolsTests, PathsHoldingANulAreRefusedByEveryToolAndNeverScanned) {
    using namespace std::string_literals;
    makeFile(home / "docs/a.txt", 10);
    std::vector<std::string> scannedWithNul;
    TandorAssistant guarded{home.path(), AssistantProposalStore(proposalFile),
                            [] { return Date{}; },
                            [&](const std::string& path) {
                                if (paths::holdsNul(path)) {
                                    // The disk scan would read the path only up to the NUL.
                                    scannedWithNul.push_back(path);
                                    throw std::runtime_error("scanned a path holding a NUL");
                                }
                                return TandorAssistant::diskScan(path);
                            }};
    const auto server = guarded.server("9.9", [] { return true; });
    const auto call = [&](const char* tool, JSONValue arguments) {
        const auto request = JSONValue::object(
            {{"id", 1},
             {"method", "tools/call"},
             {"params", JSONValue::object({{"name", tool}, {"arguments", std::move(arguments)}})}});
        return JSONValue(*JSONValue::decode(*server.handleLine(request.text(false)))["result"]);
    };
    const auto textOf = [](const JSONValue& result) {
        return *(*(*result["content"]).arrayValue())[0]["text"]->stringValue();
    };
    const std::string refusal = "A path cannot hold a NUL character.";
    const std::string docsWithNul = home / "docs\0"s;
    const std::string escapedWithNul = "\0"s + home / "docs%00";
    const struct {
        const char* tool;
        JSONValue arguments;
    } cases[] = {
        {"disk_overview", JSONValue::object({{"path", "~/\0"s}, {"refresh", true}})},
        {"disk_overview", JSONValue::object({{"path", escapedWithNul}, {"refresh", true}})},
        {"folder_contents", JSONValue::object({{"path", docsWithNul}})},
        {"storage_categories", JSONValue::object({{"path", "~/\0"s}, {"refresh", true}})},
        {"cleanup_suggestions", JSONValue::object({{"path", "~/docs\0/a.txt"s}})},
    };
    for (const auto& each : cases) {
        const auto result = call(each.tool, each.arguments);
        EXPECT_EQ(*result["isError"], JSONValue(true)) << each.tool;
        EXPECT_EQ(textOf(result), refusal) << each.tool;
    }

    const auto item = [](const std::string& path) {
        return JSONValue::object({{"path", path}, {"reason", "old"}});
    };
    const auto proposed =
        call("propose_for_pile",
             JSONValue::object(
                 {{"items", JSONValue::array({item(docsWithNul), item(escapedWithNul)})}}));
    const auto answer = JSONValue::decode(textOf(proposed));
    EXPECT_EQ(*answer["proposed"], JSONValue(0));
    EXPECT_EQ(answer["refused"]->text(false),
              JSONValue::array({JSONValue::object({{"path", docsWithNul}, {"why", refusal}}),
                                JSONValue::object({{"path", escapedWithNul}, {"why", refusal}})})
                  .text(false));
    EXPECT_FALSE(fs::exists(proposalFile));
    EXPECT_EQ(scannedWithNul, std::vector<std::string>{});
}

TEST_F(AssistantToolsTests, CategoriesGroupBytesByKind) {
    const auto answer = assistant.categories(JSONValue::object({{"top", 1}}));
    const auto& kinds = *answer["kinds"]->arrayValue();
    ASSERT_FALSE(kinds.empty());
    for (const auto& kind : kinds) {
        EXPECT_LE(kind["owners"]->arrayValue()->size(), 1U);
        EXPECT_LE(kind["largest"]->arrayValue()->size(), 1U);
        EXPECT_NE(kind["title"], nullptr);
    }
    EXPECT_EQ(count(assistant.categories(JSONValue::object({{"path", "~/Empty"}})), "kinds"), 0U);
}

TEST_F(AssistantToolsTests, SuggestionsFilterBySafetyAndCutTheirItems) {
    const auto all = assistant.suggestions(JSONValue::object({{"safety", 3}}));
    ASSERT_GE(count(all, "suggestions"), 2U);
    const auto regenerable = assistant.suggestions(
        JSONValue::object({{"safety", "regenerable"}, {"items_per_suggestion", 0}}));
    std::int64_t sum = 0;
    for (const auto& suggestion : *regenerable["suggestions"]->arrayValue()) {
        EXPECT_EQ(*suggestion["safety"], JSONValue("regenerable"));
        EXPECT_EQ(suggestion["items"]->arrayValue()->size(), 1U);
        sum += *suggestion["bytes"]->intValue();
    }
    EXPECT_EQ(*regenerable["recoverableBytes"], JSONValue(sum));
    EXPECT_LT(count(regenerable, "suggestions"), count(all, "suggestions"));
    EXPECT_EQ(failure([&] {
                  assistant.suggestions(JSONValue::object({{"safety", "Regenerable"}}));
              }),
              "Unknown safety level Regenerable.");
    const auto none = assistant.suggestions(JSONValue::object({{"path", "~/Stack"}}));
    EXPECT_EQ(*none["recoverable"], JSONValue("0 bytes"));
}

// The suggestions look in the places of the assistant's home: its cache
// folder, its localised Downloads, and the packages dpkg lists.
TEST_F(AssistantToolsTests, SuggestionsFindTheLinuxPlacesOfTheHome) {
    testing::EnvironmentOverride environment;
    environment.set("XDG_CACHE_HOME", home / "Cache");
    testing::writeFile(home / ".config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\n");
    testing::writeFile(home / "status", "Package: bash\nStatus: install ok installed\n");
    makeFile(home / "Cache/mozilla/cache2/entry", 60'000'000);
    makeFile(home / "Cache/huggingface/hub/model", 60'000'000);
    makeFile(home / "Scaricati/tool_1.0_amd64.deb", 12'000'000, 40);
    makeFile(home / "Scaricati/bash_9.9.9-1_amd64.deb", 12'000'000);
    TandorAssistant withPackages(
        home.path(), AssistantProposalStore(proposalFile),
        [] { return std::chrono::system_clock::now(); }, {}, home / "status");

    const auto answer = withPackages.suggestions(JSONValue::object({}));
    std::map<std::string, std::vector<std::string>> found;
    for (const auto& suggestion : *answer["suggestions"]->arrayValue()) {
        auto& paths = found[*suggestion["rule"]->stringValue()];
        for (const auto& item : *suggestion["items"]->arrayValue()) {
            paths.push_back(*item["path"]->stringValue());
        }
    }
    const auto under = [this](const std::string& relative) {
        return std::vector<std::string>{home / relative};
    };
    EXPECT_EQ(found["cache.user"], under("Cache/mozilla"));
    EXPECT_EQ(found["ai.huggingface"], under("Cache/huggingface"));
    // The fixture's Downloads still counts, as a Mac names it.
    EXPECT_EQ(found["downloads.installers"],
              (std::vector<std::string>{home / "Scaricati/tool_1.0_amd64.deb",
                                        home / "Downloads/old.dmg"}));
    EXPECT_EQ(found["installers.installedApps"], under("Scaricati/bash_9.9.9-1_amd64.deb"));
}

TEST_F(AssistantToolsTests, RulesAreTheBuiltInTable) {
    const auto rules = TandorAssistant::rules();
    ASSERT_EQ(rules.arrayValue()->size(), 28U);
    EXPECT_EQ(*(*rules.arrayValue())[0]["id"], JSONValue("xcode.derivedData"));
    const auto withoutRecovery =
        std::count_if(rules.arrayValue()->begin(), rules.arrayValue()->end(),
                      [](const JSONValue& rule) { return rule["howToRecover"] == nullptr; });
    EXPECT_GT(withoutRecovery, 0);
}

TEST_F(AssistantToolsTests, ProposeRefusesTheWholeCallForTooFewOrTooManyItems) {
    const auto many = [](std::size_t size) {
        return JSONValue::object({{"items", JSONValue::Array(size, JSONValue::object({}))}});
    };
    const std::string none = "Give at least one item with a path and a reason.";
    for (const auto& arguments :
         {JSONValue::object({}), JSONValue::object({{"items", "x"}}), many(0)}) {
        EXPECT_EQ(failure([&] { assistant.propose(arguments); }), none);
    }
    EXPECT_EQ(failure([&] { assistant.propose(many(201)); }), "At most 200 items at a time.");
    EXPECT_EQ(count(assistant.propose(many(200)), "refused"), 200U);
    EXPECT_FALSE(fs::exists(proposalFile)) << "all refused: the store is not touched";
}

TEST_F(AssistantToolsTests, ProposeChecksEachItemAndStoresTheRest) {
    assistant.overview(JSONValue::object({}));
    fs::create_directories(home / "Later/inner");
    makeFile(home / "Later/inner/data", 3'000'000);
    fs::create_symlink("/etc", home / "etc-link");
    const std::string longReason(300, 'r');
    const auto item = [](JSONValue path, JSONValue reason) {
        return JSONValue::object({{"path", std::move(path)}, {"reason", std::move(reason)}});
    };
    const auto answer = assistant.propose(
        JSONValue::object({{"items", JSONValue::array({
                                         item("~/Downloads/big.bin", "  An old download.  "),
                                         item("~/Downloads/small.txt", longReason),
                                         item("~/Later", "new folder"),
                                         JSONValue::object({{"reason", "no path"}}),
                                         item("/etc/passwd", "outside"),
                                         item("~/etc-link/passwd", "outside by a link"),
                                         item("Downloads/big.bin", "relative"),
                                         item("~/Downloads/old.dmg", " \n "),
                                         item("~/Downloads/gone.bin", "missing"),
                                         item(5, "not a string"),
                                     })}}));
    EXPECT_EQ(*answer["proposed"], JSONValue(3));
    const std::string outside = "Tandor only looks inside " + home.path() + ".";
    EXPECT_EQ(*answer["refused"],
              JSONValue::array({
                  JSONValue::object(
                      {{"path", ""}, {"why", "The home folder itself cannot be proposed."}}),
                  JSONValue::object({{"path", "/etc/passwd"}, {"why", outside}}),
                  JSONValue::object({{"path", "~/etc-link/passwd"}, {"why", outside}}),
                  JSONValue::object({{"path", "Downloads/big.bin"},
                                     {"why", "Use an absolute path, for example " + home.path() +
                                                 "/Downloads."}}),
                  JSONValue::object({{"path", "~/Downloads/old.dmg"}, {"why", "Missing reason."}}),
                  JSONValue::object({{"path", "~/Downloads/gone.bin"}, {"why", "Not found."}}),
                  JSONValue::object(
                      {{"path", ""}, {"why", "The home folder itself cannot be proposed."}}),
              }));
    EXPECT_NE(answer["note"], nullptr);

    const auto stored = AssistantProposalStore(proposalFile).load();
    ASSERT_EQ(stored.size(), 3U);
    EXPECT_EQ(stored[0].path, home / "Downloads/big.bin");
    EXPECT_EQ(stored[0].reason, "An old download.");
    EXPECT_EQ(stored[1].reason, std::string(200, 'r'));
    EXPECT_EQ(stored[1].bytes, 200'000) << "a file folded by the scan has its own size";
    EXPECT_GE(stored[2].bytes, 3'000'000) << "a folder the tree lacks is measured whole";
}

TEST_F(AssistantToolsTests, ProposeRefusesTheHomeTandorsDataTheTrashAndWhatHoldsThem) {
    // The tools may look at the whole fixture folder; the user's home lies below it.
    const std::string user = home / "users/me";
    const std::string share = user + "/.local/share";
    testing::EnvironmentOverride environment;
    environment.set("HOME", user).set("XDG_DATA_HOME", share);
    makeFile(share + "/Tandor/history.json", 10);
    makeFile(share + "/Trash/files/old.txt", 10);
    makeFile(share + "/Tandor2/kept.txt", 10);
    fs::create_symlink(share + "/Tandor", user + "/data-link");
    const std::string homeItself = "The home folder itself cannot be proposed.";
    const std::string holdsHome = "A folder holding the home folder cannot be proposed.";
    const std::string data = "Tandor's own data cannot be proposed.";
    const std::string trash = "The Trash cannot be proposed.";
    const struct {
        std::string path;
        std::string why;
    } cases[] = {
        {user, homeItself},
        {home / "users", holdsHome},
        {"/", "Tandor only looks inside " + home.path() + "."},
        {share + "/Tandor", data},
        {share + "/Tandor/history.json", data},
        {user + "/data-link/history.json", data},
        {share, data},
        {user + "/.local", data},
        {share + "/Trash", trash},
        {share + "/Trash/files/old.txt", trash},
        {share + "/Tandor2", ""},
        {user + "/data-link", ""},
    };
    for (const auto& each : cases) {
        const auto answer = assistant.propose(JSONValue::object(
            {{"items",
              JSONValue::array({JSONValue::object({{"path", each.path}, {"reason", "old"}})})}}));
        const auto& refused = *answer["refused"]->arrayValue();
        EXPECT_EQ(refused.empty() ? "" : *refused[0]["why"]->stringValue(), each.why) << each.path;
    }
    std::vector<std::string> stored;
    for (const auto& proposal : AssistantProposalStore(proposalFile).load()) {
        stored.push_back(proposal.path);
    }
    EXPECT_EQ(stored, (std::vector<std::string>{share + "/Tandor2", user + "/data-link"}));
}

TEST_F(AssistantToolsTests, TheCatalogueListsSixToolsWithTheirSchemas) {
    const auto server = assistant.server("9.9", [] { return true; });
    const auto listed = JSONValue::decode(*server.handleLine(R"({"id":1,"method":"tools/list"})"));
    const auto& tools = *(*(*listed["result"])["tools"]).arrayValue();
    std::vector<std::string> names;
    std::vector<std::string> writers;
    for (const auto& tool : tools) {
        names.push_back(*tool["name"]->stringValue());
        if (*(*tool["annotations"])["readOnlyHint"] == JSONValue(false)) {
            writers.push_back(names.back());
        }
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"disk_overview", "folder_contents", "storage_categories",
                                        "cleanup_suggestions", "list_rules", "propose_for_pile"}));
    EXPECT_EQ(writers, std::vector<std::string>{"propose_for_pile"});
    EXPECT_EQ(tools[4]["inputSchema"]->text(false),
              R"({"additionalProperties":false,"properties":{},"type":"object"})");
    EXPECT_EQ(tools[0]["inputSchema"]->text(false).find("required"), std::string::npos);
    EXPECT_EQ(*(*tools[1]["inputSchema"])["required"], JSONValue::array({"path"}));
    EXPECT_NE(tools[0]["inputSchema"]->text(false).find(R"("maximum":100,"minimum":1)"),
              std::string::npos);
    EXPECT_EQ(TandorAssistant::instructions.size(), 743U);
}

}  // namespace
}  // namespace tandor
