#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TandorCore/InstalledPackages.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace std::string_literals;

TEST(InstalledPackages, ParagraphsWithAnInstalledStatusCount) {
    const std::string text =
        "Package: bash\n"
        "Status: install ok installed\n"
        "Description: GNU Bourne Again SHell\n"
        " Package: continued-description\n"
        "\n"
        "Package: removed-tool\n"
        "Status: deinstall ok config-files\n"
        "\n"
        "Package: half-done\n"
        "Status: install reinstreq half-installed\n"
        "\n"
        "package:  held-editor \r\n"
        "STATUS: hold  ok\tinstalled\r\n"
        " \t\r\n"
        "Status: install ok installed\n"
        "\n"
        "Status: install ok installed\n"
        "Package: status-first\n"
        "\n\n\n"
        "garbage without a colon\n"
        "Package:\n"
        "Status: install ok installed\n"
        "\n"
        "Package: two words\n"
        "Status: install ok installed\n"
        "\n"
        "Package: bash\n"
        "Status: install ok installed extra\n"
        "\n"
        "Package: last-without-newline\n"
        "Status: install ok installed";
    const auto packages = InstalledPackages::parse(text);
    struct Case {
        const char* name;
        bool installed;
    };
    const Case cases[] = {
        {"bash", true},
        {"continued-description", false},
        {"removed-tool", false},
        {"half-done", false},
        {"held-editor", true},
        {"status-first", true},
        {"two words", false},
        {"two", false},
        {"last-without-newline", true},
        {"", false},
        {"Bash", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(packages.contains(c.name), c.installed) << c.name;
    }
    EXPECT_EQ(packages.size(), 4U);
}

TEST(InstalledPackages, OddInputGivesNoPackagesRatherThanFailing) {
    for (const std::string& text :
         {""s, "\n\n"s, "Package: a\0b\nStatus: x"s, "\xff\xfe:\n:"s, std::string(100'000, ':')}) {
        EXPECT_EQ(InstalledPackages::parse(text).size(), 0U);
    }
}

TEST(InstalledPackages, ReadsOnlyARegularFileOfAReasonableSize) {
    const testing::TemporaryFolder folder;
    const std::string status = "Package: bash\nStatus: install ok installed\n";
    testing::writeFile(folder / "status", status);
    EXPECT_TRUE(InstalledPackages::read(folder / "status").contains("bash"));

    testing::writeFile(folder / "large", status);
    std::filesystem::resize_file(folder / "large", InstalledPackages::sizeLimit + 1);
    std::filesystem::create_directory(folder / "folder");
    // Opening a pipe without a writer must not wait for one.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const char* name : {"missing", "large", "folder", "pipe"}) {
        EXPECT_EQ(InstalledPackages::read(folder / name).size(), 0U) << name;
    }
}

}  // namespace
}  // namespace tandor
