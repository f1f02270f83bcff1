// The command runner with small shell scripts as children.
#include <gtest/gtest.h>

#include "TandorSystem/CommandRunner.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;

std::optional<CommandOutput> script(const std::string& text,
                                    const CommandRunner& runner = CommandRunner()) {
    return runner.run("/bin/sh", {"-c", text});
}

TEST(CommandRunner, CollectsOutputAndExitStatus) {
    const auto done = script("printf 'one\\ntwo\\n'");
    ASSERT_TRUE(done);
    EXPECT_EQ(done->exitStatus, 0);
    EXPECT_EQ(done->standardOutput, "one\ntwo\n");

    const auto failed = script("echo partial; echo why >&2; exit 3");
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->exitStatus, 3);
    EXPECT_EQ(failed->standardOutput, "partial\n") << "error text never mixes in";
}

TEST(CommandRunner, PassesArgumentsWithoutAShell) {
    const auto echoed = CommandRunner().run("/bin/echo", {"$HOME", "a b", "*"});
    ASSERT_TRUE(echoed);
    EXPECT_EQ(echoed->standardOutput, "$HOME a b *\n");
}

TEST(CommandRunner, DrainsBothPipesOfAChattyChild) {
    const auto flooded = script("head -c 3000000 /dev/zero >&2; head -c 2000000 /dev/zero; echo");
    ASSERT_TRUE(flooded);
    EXPECT_EQ(flooded->exitStatus, 0);
    EXPECT_EQ(flooded->standardOutput.size(), 2'000'001u);
}

TEST(CommandRunner, ReadsNothingFromTheCallersInput) {
    const auto read = CommandRunner(5s).run("/bin/cat", {});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->standardOutput, "");
}

TEST(CommandRunner, GivesNothingForAChildThatCannotRunOrEndBadly) {
    const CommandRunner quick(200ms, 1000);
    EXPECT_FALSE(CommandRunner().run("/nonexistent/tool", {}));
    EXPECT_FALSE(script("sleep 30", quick)) << "killed at the time limit";
    EXPECT_FALSE(script("echo started; exec sleep 30", quick));
    EXPECT_FALSE(script("sleep 30 & echo detached", quick)) << "a grandchild holds the pipe";
    EXPECT_FALSE(script("kill -9 $$", quick));
    EXPECT_FALSE(script("head -c 5000 /dev/zero", quick)) << "more output than allowed";
}

}  // namespace
}  // namespace tandor
