#include <gtest/gtest.h>

#include "TandorAnalyzers/FileClassifier.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using Match = std::optional<FileClassifier::FolderMatch>;

struct FolderCase {
    std::string path;
    std::vector<std::string_view> siblings;
    Match expected;
};

TEST(FileClassifierTest, FolderMatchFollowsPlaceBundleAndBuildFolderSteps) {
    const FileClassifier classifier("/home/ana/", "/home/ana/.local/share/Trash/");
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

TEST(FileClassifierTest, TrashFollowsTheDataHomeWhereverItLies) {
    struct TrashCase {
        std::optional<std::string> dataHome;
        std::string trash;
    };
    const std::vector<TrashCase> cases{
        {std::nullopt, "/home/ana/.local/share/Trash"},
        {"relative/share", "/home/ana/.local/share/Trash"},
        {"/srv/data/ana/", "/srv/data/ana/Trash"},
    };
    for (const auto& c : cases) {
        testing::EnvironmentOverride environment;
        environment.set("XDG_DATA_HOME", c.dataHome);
        const FileClassifier classifier("/home/ana");
        EXPECT_EQ(classifier.trashFolder(), c.trash);
        EXPECT_EQ(classifier.folderMatch(c.trash, "Trash", {}),
                  (FileClassifier::FolderMatch{FileKind::trash, "Trash"}))
            << c.trash;
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
    const FileClassifier classifier("/home/ana");
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
