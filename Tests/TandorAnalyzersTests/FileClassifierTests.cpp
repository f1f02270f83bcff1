#include <gtest/gtest.h>

#include <map>

#include "TandorAnalyzers/FileClassifier.hpp"

namespace tandor {
namespace {

using Match = std::optional<FileClassifier::FolderMatch>;

struct FolderCase {
    std::string path;
    std::vector<std::string_view> siblings;
    Match expected;
};

TEST(FileClassifierTest, FolderMatchFollowsPlaceBundleAndBuildFolderSteps) {
    const FileClassifier classifier(HomePlaces("/home/ana/"));
    const std::vector<FolderCase> cases{
        {"/home/ana/.local/share/Trash", {}, FileClassifier::FolderMatch{FileKind::trash, "Trash"}},
        {"/home/ana/.local/share/Trash/files", {}, std::nullopt},
        {"/home/ana/.Trash", {}, std::nullopt},
        {"/home/ana/.cache/huggingface",
         {},
         FileClassifier::FolderMatch{FileKind::aiModels, "Hugging Face"}},
        {"/home/ana//Library/./Mail", {}, FileClassifier::FolderMatch{FileKind::messaging, "Mail"}},
        {"/home/ana/Library/Caches/com.tinyspeck.slackmacgap",
         {},
         FileClassifier::FolderMatch{FileKind::messaging, "Slack"}},
        {"/home/ana/Library/Caches/com.apple.Safari",
         {},
         FileClassifier::FolderMatch{FileKind::appCaches, "Safari"}},
        {"/home/ana/Library/Application Support/Code",
         {},
         FileClassifier::FolderMatch{FileKind::appData, "Code"}},
        {"/home/ana/Library/Group Containers/group.net.whatsapp.WhatsApp.shared",
         {},
         FileClassifier::FolderMatch{FileKind::messaging, "WhatsApp"}},
        {"/home/ana/Library/Containers/com.valvesoftware.steam",
         {},
         FileClassifier::FolderMatch{FileKind::games, "Steam"}},
        {"/home/ana/Library/Developer",
         {},
         FileClassifier::FolderMatch{FileKind::developerTools, "Xcode"}},
        {"/home/ana/Virtual Machines.localized",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "VMware Fusion"}},
        // The same kinds of folders where programs keep them here.
        {"/home/ana/.cache/mozilla",
         {},
         FileClassifier::FolderMatch{FileKind::appCaches, "mozilla"}},
        {"/home/ana/.cache/com.discordapp.Discord",
         {},
         FileClassifier::FolderMatch{FileKind::messaging, "Discord"}},
        {"/home/ana/.config/Code", {}, FileClassifier::FolderMatch{FileKind::appData, "Code"}},
        {"/home/ana/.config/Slack", {}, FileClassifier::FolderMatch{FileKind::messaging, "Slack"}},
        {"/home/ana/.local/share/Steam", {}, FileClassifier::FolderMatch{FileKind::games, "Steam"}},
        {"/home/ana/.local/share/TelegramDesktop",
         {},
         FileClassifier::FolderMatch{FileKind::messaging, "Telegram"}},
        {"/home/ana/.var/app/com.valvesoftware.Steam",
         {},
         FileClassifier::FolderMatch{FileKind::games, "Steam"}},
        {"/home/ana/.var/app/org.gnome.Builder",
         {},
         FileClassifier::FolderMatch{FileKind::appData, "Builder"}},
        {"/home/ana/VirtualBox VMs",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "VirtualBox"}},
        {"/home/ana/vmware", {}, FileClassifier::FolderMatch{FileKind::virtualMachines, "VMware"}},
        {"/home/ana/.local/share/gnome-boxes",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "GNOME Boxes"}},
        {"/home/ana/.local/share/libvirt",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "libvirt"}},
        {"/home/ana/.docker", {}, FileClassifier::FolderMatch{FileKind::virtualMachines, "Docker"}},
        {"/home/ana/.local/share/fonts", {}, FileClassifier::FolderMatch{FileKind::fonts, "Fonts"}},
        // Only the children of those folders belong to one application each.
        {"/home/ana/.cache", {}, std::nullopt},
        {"/home/ana/.cache/mozilla/firefox", {}, std::nullopt},
        {"/home/ana/.var/app", {}, std::nullopt},
        {"/home/ana/.var/other/org.gnome.Builder", {}, std::nullopt},
        {"/home/ana/.local/state/wireplumber", {}, std::nullopt},
        // Deeper than Library/<place>/<app>, or another Library folder: no path match.
        {"/home/ana/Library/Caches/com.apple.Safari/WebKit", {}, std::nullopt},
        {"/home/ana/Library/Developer/Xcode", {}, std::nullopt},
        {"/home/ana/Library/Preferences/com.example.editor", {}, std::nullopt},
        // "/home/anna" only shares a prefix with the home folder.
        {"/home/anna/.local/share/Trash", {}, std::nullopt},
        {"/home/ana/Applications/Safari.app",
         {},
         FileClassifier::FolderMatch{FileKind::applications, "Safari"}},
        {"/opt/Tools/Editor.APP",
         {},
         FileClassifier::FolderMatch{FileKind::applications, "Editor"}},
        {"/home/ana/Parallels/Windows 11.pvm",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "Windows 11"}},
        {"/home/ana/VMs/Ubuntu.utm",
         {},
         FileClassifier::FolderMatch{FileKind::virtualMachines, "Ubuntu"}},
        {"/home/ana/Pictures/Photos Library.photoslibrary",
         {},
         FileClassifier::FolderMatch{FileKind::photos, "Photos"}},
        {"/home/ana/code/tool/target",
         {"src", "target", "Cargo.toml"},
         FileClassifier::FolderMatch{FileKind::buildFolders, "tool"}},
        {"/srv/site/node_modules",
         {"node_modules", "package.json"},
         FileClassifier::FolderMatch{FileKind::buildFolders, "site"}},
        {"/home/ana/code/tool/target", {"src", "target", "cargo.toml"}, std::nullopt},
        {"/home/ana/code/tool/target", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classifier.folderMatch(c.path, c.path.substr(c.path.rfind('/') + 1), c.siblings),
                  c.expected)
            << c.path;
    }
}

TEST(FileClassifierTest, XDGFoldersAreFollowedWhereverTheyLie) {
    const std::map<std::string, std::string> variables{
        {"XDG_CACHE_HOME", "/srv/cache/ana/"},
        {"XDG_DATA_HOME", "/srv/data/ana"},
    };
    const FileClassifier classifier(
        HomePlaces::read("/home/ana", [&variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found != variables.end() ? found->second.c_str() : nullptr;
        }));
    const std::vector<std::pair<std::string, Match>> cases{
        {"/srv/data/ana/Trash", FileClassifier::FolderMatch{FileKind::trash, "Trash"}},
        {"/home/ana/.local/share/Trash", std::nullopt},
        {"/srv/cache/ana/pip", FileClassifier::FolderMatch{FileKind::appCaches, "pip"}},
        {"/srv/cache/ana/huggingface",
         FileClassifier::FolderMatch{FileKind::aiModels, "Hugging Face"}},
        {"/srv/data/ana/gnome-boxes",
         FileClassifier::FolderMatch{FileKind::virtualMachines, "GNOME Boxes"}},
        {"/srv/data/ana/Steam", FileClassifier::FolderMatch{FileKind::games, "Steam"}},
        // The places of a Mac and of the defaults below home still count.
        {"/home/ana/.cache/huggingface",
         FileClassifier::FolderMatch{FileKind::aiModels, "Hugging Face"}},
        {"/home/ana/Library/Caches/com.apple.Safari",
         FileClassifier::FolderMatch{FileKind::appCaches, "Safari"}},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(classifier.folderMatch(path, path.substr(path.rfind('/') + 1), {}), expected)
            << path;
    }
}

TEST(FileClassifierTest, AnXDGFolderSetToHomeOrAboveLeavesTheUsersFoldersAlone) {
    for (const char* configHome : {"/home/ana", "/home", "/"}) {
        const FileClassifier classifier(
            HomePlaces::read("/home/ana", [configHome](const char* name) -> const char* {
                return std::string_view(name) == "XDG_CONFIG_HOME" ? configHome : nullptr;
            }));
        EXPECT_EQ(classifier.folderMatch("/home/ana/Documents", "Documents", {}), std::nullopt)
            << configHome;
        EXPECT_EQ(classifier.folderMatch("/home/ana/.cache/pip", "pip", {}),
                  (FileClassifier::FolderMatch{FileKind::appCaches, "pip"}))
            << configHome;
    }
}

TEST(FileClassifierTest, FileKindFromNameAlone) {
    const std::vector<std::pair<std::string, FileKind>> cases{
        {"Screenshot 2024-05-01.png", FileKind::screenshots},
        {"Schermata 2024-05-01 alle 10.00.00.JPG", FileKind::screenshots},
        {"IMG_0001.PNG", FileKind::photos},
        {"Screen Recording 1.mov", FileKind::screenRecordings},
        {"Registrazione schermo 2024.mp4", FileKind::screenRecordings},
        {"clip.MOV", FileKind::videos},
        {"Screenshot.mov", FileKind::videos},
        {"Screencast from 2025-01-01 10-00-00.webm", FileKind::screenRecordings},
        {"Screenshot from 2025-01-01 10-00-00.png", FileKind::screenshots},
        {"Screencasts.webm", FileKind::videos},
        {"tool_1.0_amd64.deb", FileKind::installers},
        {"tool-1.0.x86_64.RPM", FileKind::installers},
        {"IMG_2.CR3", FileKind::rawPhotos},
        {"model.gguf", FileKind::aiModels},
        {"report.tar.gz", FileKind::archives},
        {"Setup.dmg", FileKind::installers},
        {"disk.qcow2", FileKind::diskImages},
        {"notes.md", FileKind::documents},
        {"song.flac", FileKind::audio},
        {"Font.woff2", FileKind::fonts},
        {"Makefile", FileKind::other},
        {".zip", FileKind::other},
        {"data.bin", FileKind::other},
    };
    for (const auto& [name, kind] : cases) {
        EXPECT_EQ(FileClassifier::fileKind(name), kind) << name;
    }
}

TEST(FileClassifierTest, TopFolderIsTheFirstComponentBelowHome) {
    const FileClassifier classifier(HomePlaces("/home/ana"));
    EXPECT_EQ(classifier.topFolder("/home/ana/Documents/a/b.txt"), "Documents");
    EXPECT_EQ(classifier.topFolder("/home/ana/notes.txt"), "notes.txt");
    EXPECT_EQ(classifier.topFolder("/home/ana/./Music//a/../b.mp3"), "Music");
    EXPECT_EQ(classifier.topFolder("/home/ana"), "/");
    EXPECT_EQ(classifier.topFolder("/home/anabel/x"), "/");
    EXPECT_EQ(classifier.topFolder("/etc/hosts"), "/");
}

TEST(FileClassifierTest, AppNamePrefersFriendlyNamesThenTheLastMeaningfulPart) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"com.tinyspeck.slackmacgap", "Slack"}, {"6N38VWS5BX.ru.keepcoder.Telegram", "Telegram"},
        {"com.example.Editor", "Editor"},       {"com.example.viewer.shared", "viewer"},
        {"com..example..Helper..", "example"},  {"group.shared.helper", "group.shared.helper"},
        {"org.example", "org.example"},         {"Code", "Code"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(FileClassifier::appName(name), expected) << name;
    }
}

}  // namespace
}  // namespace tandor
