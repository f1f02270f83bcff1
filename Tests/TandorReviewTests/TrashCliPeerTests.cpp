#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "ReviewTestSupport.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"

// trash-cli reads the freedesktop Trash on its own; what it lists is what the
// other Trash tools of the desktop see of our items.
namespace tandor {
namespace {

using testing::contentsOf;
using testing::FixtureHome;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::writeFile;

// What trash-list prints for the Trash under XDG_DATA_HOME (and for any other
// disk's Trash it finds). Fails the test when trash-list cannot be run.
std::string trashList() {
    FILE* pipe = ::popen("trash-list 2>/dev/null", "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot start trash-list";
        return "";
    }
    std::string output;
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, pipe)) {
        output.append(buffer, count);
    }
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "trash-list failed; scripts/setup installs trash-cli";
    return output;
}

// The line trash-list prints for the item: its deletion date with a space for
// the "T", then its original path.
std::string expectedLine(const HistoryRecord& record) {
    const std::string info =
        paths::deletingLastComponent(paths::deletingLastComponent(record.trashedPath)) + "/info/" +
        paths::lastComponent(record.trashedPath) + ".trashinfo";
    const std::string contents = contentsOf(info);
    const auto start = contents.find("DeletionDate=") + 13;
    std::string date = contents.substr(start, 19);
    date[10] = ' ';
    return date + " " + record.originalPath + "\n";
}

TEST(SystemTrasherPeer, TrashListSeesOurItemsAndForgetsThoseWePutBack) {
    const FixtureHome home;
    writeFile(home / "Downloads/big movie (1) é%.mkv", "movie");
    writeFile(home / "Projects/old/build/out.o", "object");
    writeFile(home / "Other/big movie (1) é%.mkv", "another");
    ReviewPile pile;
    pile.add({home / "Downloads/big movie (1) é%.mkv", 5, std::nullopt});
    pile.add({home / "Projects/old/build", 6, std::nullopt});
    pile.add({home / "Other/big movie (1) é%.mkv", 7, std::nullopt});
    auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    const auto result = ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(pile);
    ASSERT_EQ(result.moved.size(), 3u);

    const std::string listed = trashList();
    for (const auto& record : result.moved) {
        EXPECT_THAT(listed, HasSubstr(expectedLine(record)));
    }

    const std::string putBack = expectedLine(result.moved[0]);
    history->restore(result.moved[0].id);
    const std::string after = trashList();
    EXPECT_THAT(after, Not(HasSubstr(putBack)));
    EXPECT_THAT(after, HasSubstr(expectedLine(result.moved[1])));
    EXPECT_THAT(after, HasSubstr(expectedLine(result.moved[2])));
}

TEST(SystemTrasherPeer, ALongNameIsListedAndPutBackWhole) {
    const FixtureHome home;
    // The Trash has to cut this name among its two-byte characters.
    std::string name(82, 'n');
    for (int i = 0; i < 82; ++i) {
        name += "\xC3\xA9";
    }
    name += ".pdf";
    writeFile(home / "a/" + name, "first");
    writeFile(home / "b/" + name, "second");
    ReviewPile pile;
    pile.add({home / "a/" + name, 5, std::nullopt});
    pile.add({home / "b/" + name, 6, std::nullopt});
    auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    const auto result = ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(pile);
    ASSERT_EQ(result.moved.size(), 2u);

    const std::string listed = trashList();
    EXPECT_THAT(listed, HasSubstr(expectedLine(result.moved[0])));
    EXPECT_THAT(listed, HasSubstr(expectedLine(result.moved[1])));

    const std::string putBack = expectedLine(result.moved[1]);
    history->restore(result.moved[1].id);
    EXPECT_EQ(contentsOf(home / "b/" + name), "second");
    const std::string after = trashList();
    EXPECT_THAT(after, Not(HasSubstr(putBack)));
    EXPECT_THAT(after, HasSubstr(expectedLine(result.moved[0])));
}

}  // namespace
}  // namespace tandor
