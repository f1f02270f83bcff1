#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "TandorCore/HomePlaces.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using UserFolder = HomePlaces::UserFolder;

HomePlaces::Environment environmentOf(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto found = values.find(name);
        return found != values.end() ? found->second.c_str() : nullptr;
    };
}

TEST(HomePlaces, DefaultsAreTheEnglishNamesAndTheXDGDefaults) {
    const HomePlaces places("/home/u/");
    EXPECT_EQ(places.home(), "/home/u");
    EXPECT_EQ(places.userFolder(UserFolder::download), "/home/u/Downloads");
    EXPECT_EQ(places.userFolder(UserFolder::videos), "/home/u/Videos");
    EXPECT_EQ(places.cacheHome(), "/home/u/.cache");
    EXPECT_EQ(places.configHome(), "/home/u/.config");
    EXPECT_EQ(places.dataHome(), "/home/u/.local/share");
    EXPECT_EQ(places.stateHome(), "/home/u/.local/state");
    EXPECT_EQ(places.trashFolder(), "/home/u/.local/share/Trash");
}

TEST(HomePlaces, ReadsUserDirsLines) {
    struct Case {
        const char* line;
        UserFolder folder;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"", UserFolder::download, "/home/u/Scaricati"},
        {"  XDG_VIDEOS_DIR = \"$HOME/Video/\"", UserFolder::videos, "/home/u/Video"},
        {"XDG_MUSIC_DIR=\"/mnt/music\"", UserFolder::music, "/mnt/music"},
        {"XDG_PICTURES_DIR=\"$HOME/My \\\"Pics\\\"\"", UserFolder::pictures, "/home/u/My \"Pics\""},
        {"XDG_DESKTOP_DIR=\"$HOME\"", UserFolder::desktop, "/home/u/Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"", UserFolder::desktop, "/home/u/Desktop"},
        {"XDG_DOCUMENTS_DIR=\"relative/docs\"", UserFolder::documents, "/home/u/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOMEdocs\"", UserFolder::documents, "/home/u/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/unclosed", UserFolder::documents, "/home/u/Documents"},
        {"# XDG_DOWNLOAD_DIR=\"$HOME/Old\"", UserFolder::download, "/home/u/Downloads"},
        {"XDG_TEMPLATES_DIR=\"$HOME/Modelli\"", UserFolder::download, "/home/u/Downloads"},
    };
    for (const auto& c : cases) {
        HomePlaces places("/home/u");
        places.applyUserDirs(std::string("# written by xdg-user-dirs-update\n") + c.line + "\n");
        EXPECT_EQ(places.userFolder(c.folder), c.expected) << c.line;
    }
}

TEST(HomePlaces, ReadsTheEnvironmentAndTheUserDirsFileOfItsConfigFolder) {
    testing::TemporaryFolder folder;
    testing::writeFile(folder / "config/user-dirs.dirs",
                       "XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\nXDG_VIDEOS_DIR=\"$HOME/Video\"\n");
    const auto places =
        HomePlaces::read("/home/u", environmentOf({{"XDG_CONFIG_HOME", folder / "config"},
                                                   {"XDG_CACHE_HOME", "/var/cache/u/"},
                                                   {"XDG_DATA_HOME", "relative"},
                                                   {"XDG_STATE_HOME", ""}}));
    EXPECT_EQ(places.configHome(), folder / "config");
    EXPECT_EQ(places.cacheHome(), "/var/cache/u");
    EXPECT_EQ(places.dataHome(), "/home/u/.local/share");
    EXPECT_EQ(places.stateHome(), "/home/u/.local/state");
    EXPECT_EQ(places.userFolder(UserFolder::download), "/home/u/Scaricati");
    EXPECT_EQ(places.userFolder(UserFolder::desktop), "/home/u/Desktop");

    const auto withoutFile = HomePlaces::read("/home/u", environmentOf({}));
    EXPECT_EQ(withoutFile, HomePlaces("/home/u"));
}

TEST(HomePlaces, ResolvesPlacePathsOnBothPlatforms) {
    HomePlaces places("/home/u");
    places.applyUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\n");
    using Paths = std::vector<std::string>;
    EXPECT_EQ(places.resolve("Library/Caches/pip"), Paths{"/home/u/Library/Caches/pip"});
    EXPECT_EQ(places.resolve("$DOWNLOAD"), (Paths{"/home/u/Scaricati", "/home/u/Downloads"}));
    EXPECT_EQ(places.resolve("$DESKTOP/x"), Paths{"/home/u/Desktop/x"});
    EXPECT_EQ(places.resolve("$VIDEOS/Screencasts"),
              (Paths{"/home/u/Videos/Screencasts", "/home/u/Movies/Screencasts"}));
    EXPECT_EQ(places.resolve("$XDG_CACHE_HOME"), Paths{"/home/u/.cache"});
    EXPECT_EQ(places.resolve("$XDG_CONFIG_HOME/*/Cache"), Paths{"/home/u/.config/*/Cache"});
    EXPECT_THROW(places.resolve("$HOME/x"), std::invalid_argument);
}

}  // namespace
}  // namespace tandor
