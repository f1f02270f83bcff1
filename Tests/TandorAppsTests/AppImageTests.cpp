// AppImages as installed applications: recognised by their mark, named by the
// desktop entry that starts them or by their file name.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "TandorApps/AppImageFile.hpp"
#include "TandorApps/DesktopEntry.hpp"
#include "TandorApps/InstalledApps.hpp"
#include "TestSupport/AppImageFixture.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::writeAppImage;
using testing::writeDesktopEntry;
using testing::writeFile;
using Kind = AppBundle::Kind;

TEST(AppImageFile, OnlyARegularFileWithTheMarkIsOne) {
    const testing::TemporaryFolder folder;
    writeAppImage(folder / "Editor.AppImage");
    writeAppImage(folder / "LookAlike.AppImage", false);
    writeFile(folder / "Short.AppImage", testing::appImageBytes().substr(0, 10));
    writeFile(folder / "NoElf.AppImage",
              "\x7f"
              "ELG" +
                  testing::appImageBytes().substr(4));
    std::filesystem::create_symlink(folder / "Editor.AppImage", folder / "Link.AppImage");
    std::filesystem::create_directory(folder / "Folder.AppImage");
    ASSERT_EQ(::mkfifo((folder / "Pipe.AppImage").c_str(), 0600), 0);

    EXPECT_TRUE(AppImageFile::isAppImage(folder / "Editor.AppImage"));
    for (const char* other : {"LookAlike", "Short", "NoElf", "Link", "Folder", "Pipe", "Missing"}) {
        EXPECT_FALSE(AppImageFile::isAppImage(folder / (std::string(other) + ".AppImage")))
            << other;
    }
}

TEST(AppImageFile, LookingForTheMarkLeavesTheAccessTimeAlone) {
    const testing::TemporaryFolder folder;
    const std::string path = folder / "Editor.AppImage";
    writeAppImage(path);
    const timespec twoDaysAgo{::time(nullptr) - 2 * 86'400, 0};
    const timespec times[2] = {twoDaysAgo, {0, UTIME_OMIT}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    ASSERT_TRUE(AppImageFile::isAppImage(path));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_atim.tv_sec, twoDaysAgo.tv_sec);
}

TEST(AppImageFile, TheNameLeavesOutVersionAndArchitecture) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Editor-1.2.3-x86_64.AppImage", "Editor"},
        {"Editor_x86_64.AppImage", "Editor"},
        {"Editor-v2.0.appimage", "Editor"},
        {"Some-Tool-2024.1-aarch64.AppImage", "Some-Tool"},
        {"balenaEtcher-linux-x64.AppImage", "balenaEtcher"},
        {"Editor 1.2.AppImage", "Editor"},
        {"nvim.appimage", "nvim"},
        {"2048-Game.AppImage", "2048-Game"},
        {"tool", "tool"},
        {".AppImage", ".AppImage"},
    };
    for (const auto& [fileName, name] : cases) {
        EXPECT_EQ(AppImageFile::nameFromFileName(fileName), name) << fileName;
    }
}

TEST(DesktopEntry, TheProgramIsTheFirstArgumentUnquoted) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases{
        {"/opt/Editor.AppImage %U", "/opt/Editor.AppImage"},
        {"\"/home/ann/My Apps/Editor.AppImage\" %U", "/home/ann/My Apps/Editor.AppImage"},
        {"  \"/a/say \\\"hi\\\"\\\\x\" --new", "/a/say \"hi\"\\x"},
        {"/a/100%%.AppImage", "/a/100%.AppImage"},
        {"editor", "editor"},
        {"%U /a/Editor.AppImage", std::nullopt},
        {"\"/a/unclosed %U", std::nullopt},
        {"\"\" %U", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& [exec, program] : cases) {
        EXPECT_EQ(DesktopEntry::programOf(exec), program) << exec;
    }
}

TEST(DesktopEntry, ReadsTheUnlocalisedKeysOfItsOwnGroupOnly) {
    const testing::TemporaryFolder folder;
    writeFile(folder / "org.example.Editor.desktop",
              "# Name=Comment\r\n[Desktop Entry]\r\nName[it]=Redattore\r\nName = Editor\\sPro\r\n"
              "Exec=\"/a/b c/Editor.AppImage\" %U\r\nIcon=org.example.editor\r\n"
              "Name=Second\r\n[Desktop Action New]\r\nName=New window\r\nIcon=other\r\n");
    EXPECT_EQ(DesktopEntry::read(folder / "org.example.Editor.desktop"),
              (DesktopEntry{folder / "org.example.Editor.desktop", "org.example.Editor",
                            "Editor Pro", "org.example.editor", "/a/b c/Editor.AppImage"}));

    writeFile(folder / "nogroup.desktop", "Name=Editor\nExec=/a/Editor.AppImage\n");
    EXPECT_EQ(DesktopEntry::read(folder / "nogroup.desktop"), std::nullopt);
    EXPECT_EQ(DesktopEntry::read(folder / "missing.desktop"), std::nullopt);
}

// A home with AppImages in ~/Applications and ~/.local/bin, the desktop
// entries of some of them, and things that are not AppImages.
class InstalledAppImages : public ::testing::Test {
  protected:
    InstalledApps::Places places() const {
        return {{home / "Applications", home / ".local/bin"},
                home / ".local/share/applications",
                {"relative", home / ".local/bin"}};
    }
    std::string entry(const std::string& name) const {
        return home / (".local/share/applications/" + name);
    }

    const testing::TemporaryFolder home;
};

TEST_F(InstalledAppImages, EachIsNamedByTheEntryThatStartsItElseByItsFileName) {
    const std::string editor = home / "Applications/Editor 1.2.3-x86_64.AppImage";
    writeAppImage(editor);
    writeDesktopEntry(entry("org.example.Editor.desktop"), "\"" + editor + "\" %U",
                      "Name=Editor Pro\nIcon=org.example.editor\n");
    writeDesktopEntry(entry("zz-editor.desktop"), "\"" + editor + "\"", "Name=Later\n");
    // A link is not listed again; an entry may start an AppImage through one.
    writeAppImage(home / ".local/bin/player");
    std::filesystem::create_symlink(editor, home / ".local/bin/editor");
    writeAppImage(home / "Applications/Tool.AppImage");
    std::filesystem::create_directories(home / "links");
    std::filesystem::create_symlink(home / "Applications/Tool.AppImage", home / "links/tool");
    writeDesktopEntry(entry("tool.desktop"), home / "links/tool", "Name=Linked Tool\n");
    // Started by a bare name found in the program folders.
    writeDesktopEntry(entry("org.example.Player.desktop"), "player %F",
                      "Name=Player\nIcon=/icons/player.png\n");
    writeAppImage(home / ".local/bin/Viewer-2.0-aarch64.AppImage");
    writeAppImage(home / "Applications/LookAlike.AppImage", false);
    writeDesktopEntry(entry("lookalike.desktop"), home / "Applications/LookAlike.AppImage");

    const auto apps = InstalledApps::list(places());
    ASSERT_EQ(apps.size(), 4u);
    EXPECT_EQ(apps[0], (AppBundle{editor, "org.example.Editor", "Editor Pro", std::nullopt, false,
                                  "org.example.editor", Kind::appImage,
                                  entry("org.example.Editor.desktop")}));
    EXPECT_EQ(apps[1].name, "Linked Tool");
    EXPECT_EQ(apps[1].bundleID, "tool");
    EXPECT_EQ(apps[2], (AppBundle{home / ".local/bin/player", "org.example.Player", "Player",
                                  std::nullopt, false, "/icons/player.png", Kind::appImage,
                                  entry("org.example.Player.desktop")}));
    EXPECT_EQ(apps[3],
              (AppBundle{home / ".local/bin/Viewer-2.0-aarch64.AppImage", "Viewer", "Viewer",
                         std::nullopt, false, std::nullopt, Kind::appImage, std::nullopt}));
    EXPECT_TRUE(apps[0].hasOwnIdentifier());
    EXPECT_FALSE(apps[3].hasOwnIdentifier());
    EXPECT_THAT(apps[0].folderNames(), ElementsAre("Editor", "Editor Pro"));
}

}  // namespace
}  // namespace tandor
