#include "TandorAnalyzers/BuiltInRules.hpp"

namespace tandor::BuiltInRules {
namespace {

using Rule = CleanupRule;
using enum SafetyLevel;

constexpr std::int64_t megabytes = 1'000'000;

constexpr const char* reinstallInstaller = "Download the installer again from the vendor.";

// Rows 1 to 7: developer tools and build output.
void appendDeveloperRules(std::vector<Rule>& rules) {
    const auto developer = StorageCategory::developer;
    const auto tools = FileKind::developerTools;
    rules.emplace_back("xcode.derivedData", "Xcode build data", developer, tools, regenerable,
                       "Intermediate build output. Xcode rebuilds it on the next build.",
                       "Build the project again in Xcode.",
                       Rule::ChildrenOfHomeFolder{{"Library/Developer/Xcode/DerivedData"}},
                       50 * megabytes);
    rules.emplace_back(
        "xcode.deviceSupport", "Old device support files", developer, tools, regenerable,
        "Debug symbols copied from connected iPhones. Xcode copies them again when "
        "the device reconnects.",
        "Connect the device to Xcode again.",
        Rule::ChildrenOfHomeFolder{{"Library/Developer/Xcode/iOS DeviceSupport"}}, 50 * megabytes);
    rules.emplace_back("simulator.caches", "Simulator caches", developer, tools, regenerable,
                       "Shared caches of the iOS Simulator. They are rebuilt on the next launch.",
                       std::nullopt, Rule::HomeFolder{{"Library/Developer/CoreSimulator/Caches"}},
                       50 * megabytes);
    rules.emplace_back("simulator.devices", "Simulator devices", developer, tools, needsReview,
                       "Each simulated device keeps its own apps, data and downloaded assets (for "
                       "example Siri voices).",
                       "Xcode can create the device again, but data inside it is lost.",
                       Rule::ChildrenOfHomeFolder{{"Library/Developer/CoreSimulator/Devices"}},
                       200 * megabytes);
    rules.emplace_back("xcode.archives", "Xcode archives", developer, tools, needsReview,
                       "Archived app builds. Keep the ones you may need to read crash reports of "
                       "shipped versions.",
                       std::nullopt,
                       Rule::ChildrenOfHomeFolder{{"Library/Developer/Xcode/Archives"}},
                       50 * megabytes);
    rules.emplace_back("dev.dormantProjects", "Build folders of dormant projects", developer,
                       FileKind::buildFolders, regenerable,
                       "Dependencies and build output of projects not changed for 3 months. The "
                       "project's tools recreate them.",
                       "Run the project's install or build command (npm install, swift build, "
                       "cargo build, pod install).",
                       Rule::DormantProjectBuildFolders{90}, 50 * megabytes);
    rules.emplace_back("dev.nodeModules", "node_modules folders", developer, FileKind::buildFolders,
                       regenerable,
                       "Installed JavaScript packages. Your package manager installs them again "
                       "from package.json.",
                       "Run npm install, yarn or pnpm install in the project.",
                       Rule::FolderNamed{"node_modules", "package.json"}, 50 * megabytes);
}

// Rows 8 to 15: caches of tools, the app caches after them, and AI models.
// The tool caches inside the app cache folders come before "cache.user" so
// that they keep their own titles; the Hugging Face cache, named after it,
// keeps its title because "cache.user" leaves alone a folder that a later
// rule names.
void appendCacheAndModelRules(std::vector<Rule>& rules) {
    const auto caches = StorageCategory::caches;
    const auto appCaches = FileKind::appCaches;
    rules.emplace_back("cache.npm", "npm cache", caches, appCaches, regenerable,
                       "Downloaded package tarballs. npm downloads them again when needed.",
                       std::nullopt, Rule::HomeFolder{{".npm/_cacache"}}, 50 * megabytes);
    rules.emplace_back(
        "cache.yarn", "Yarn cache", caches, appCaches, regenerable,
        "Downloaded package archives. Yarn downloads them again when needed.", std::nullopt,
        Rule::HomeFolder{{"Library/Caches/Yarn", "$XDG_CACHE_HOME/yarn"}}, 50 * megabytes);
    rules.emplace_back(
        "cache.gradle", "Gradle cache", caches, appCaches, regenerable,
        "Downloaded dependencies and build cache. Gradle restores them on the next build.",
        std::nullopt, Rule::HomeFolder{{".gradle/caches"}}, 50 * megabytes);
    rules.emplace_back(
        "cache.pip", "pip cache", caches, appCaches, regenerable,
        "Downloaded Python wheels. pip downloads them again when needed.", std::nullopt,
        Rule::HomeFolder{{"Library/Caches/pip", "$XDG_CACHE_HOME/pip"}}, 50 * megabytes);
    rules.emplace_back("cache.user", "App caches", caches, appCaches, regenerable,
                       "Apps store temporary data here and recreate it when missing. Quit the app "
                       "before cleaning its cache.",
                       std::nullopt,
                       Rule::ChildrenOfHomeFolder{{"Library/Caches", "$XDG_CACHE_HOME"}},
                       50 * megabytes);

    const auto models = StorageCategory::aiModels;
    const auto modelKind = FileKind::aiModels;
    rules.emplace_back("ai.ollama", "Ollama models", models, modelKind, existsElsewhere,
                       "Downloaded model weights. They can be pulled again from the internet.",
                       "ollama pull <model>", Rule::HomeFolder{{".ollama/models"}}, 50 * megabytes);
    rules.emplace_back("ai.lmstudio", "LM Studio models", models, modelKind, existsElsewhere,
                       "Downloaded model weights. LM Studio can download them again.", std::nullopt,
                       Rule::ChildrenOfHomeFolder{{".lmstudio/models"}}, 50 * megabytes);
    rules.emplace_back(
        "ai.huggingface", "Hugging Face cache", models, modelKind, existsElsewhere,
        "Models and datasets downloaded by Python tools. They download again on next use.",
        std::nullopt, Rule::HomeFolder{{".cache/huggingface", "$XDG_CACHE_HOME/huggingface"}},
        50 * megabytes);
}

// Rows 16 to 18: downloads.
void appendDownloadRules(std::vector<Rule>& rules) {
    const auto downloads = StorageCategory::downloads;
    rules.emplace_back("installers.installedApps", "Installers of apps you already have", downloads,
                       FileKind::installers, existsElsewhere,
                       "The app is already installed, so its installer is no longer needed.",
                       reinstallInstaller,
                       Rule::InstallersOfInstalledApps{{"$DOWNLOAD", "$DESKTOP"}}, 10 * megabytes);
    rules.emplace_back("archives.extracted", "Archives already extracted", downloads,
                       FileKind::archives, existsElsewhere,
                       "A folder with the same name sits next to the archive, so its content is "
                       "already on disk.",
                       "Compress the folder again, or download the archive again.",
                       Rule::ExtractedArchives{{"$DOWNLOAD", "$DESKTOP", "$DOCUMENTS"}},
                       10 * megabytes);
    rules.emplace_back(
        "downloads.installers", "Old installers in Downloads", downloads, FileKind::installers,
        existsElsewhere,
        "Installer files not touched for a month. Once installed, the app no longer needs them.",
        reinstallInstaller,
        Rule::FilesWithExtensions{
            {"dmg", "pkg", "mpkg", "xip", "iso", "deb", "rpm"}, {"$DOWNLOAD"}, 30},
        10 * megabytes);
}

// Rows 19 to 22: chat applications.
void appendMessagingRules(std::vector<Rule>& rules) {
    const auto messaging = StorageCategory::messaging;
    const auto kind = FileKind::messaging;
    rules.emplace_back("messaging.appCaches", "Slack, Discord and Teams caches", messaging, kind,
                       regenerable,
                       "Cached images and web data of chat apps. They download again from the "
                       "server. Quit the app first.",
                       std::nullopt,
                       Rule::HomePaths{{
                           "Library/Application Support/Slack/Cache",
                           "Library/Application Support/Slack/Code Cache",
                           "Library/Application Support/Slack/Service Worker/CacheStorage",
                           "Library/Application Support/discord/Cache",
                           "Library/Application Support/discord/Code Cache",
                           "Library/Application Support/Microsoft/Teams/Cache",
                           "Library/Containers/com.microsoft.teams2/Data/Library/Caches",
                           "$XDG_CONFIG_HOME/Slack/Cache",
                           "$XDG_CONFIG_HOME/Slack/Code Cache",
                           "$XDG_CONFIG_HOME/Slack/Service Worker/CacheStorage",
                           "$XDG_CONFIG_HOME/discord/Cache",
                           "$XDG_CONFIG_HOME/discord/Code Cache",
                           "$XDG_CONFIG_HOME/Microsoft/Microsoft Teams/Cache",
                           ".var/app/com.slack.Slack/config/Slack/Cache",
                           ".var/app/com.slack.Slack/config/Slack/Code Cache",
                           ".var/app/com.slack.Slack/config/Slack/Service Worker/CacheStorage",
                           ".var/app/com.discordapp.Discord/config/discord/Cache",
                           ".var/app/com.discordapp.Discord/config/discord/Code Cache",
                           ".var/app/com.microsoft.Teams/config/Microsoft/Microsoft Teams/Cache",
                       }},
                       50 * megabytes);
    rules.emplace_back(
        "messaging.telegramMedia", "Telegram downloaded media", messaging, kind, existsElsewhere,
        "Photos and videos Telegram saved on this Mac. They stay in Telegram's cloud and download "
        "again when you open the chat.",
        std::nullopt,
        Rule::HomePaths{{
            "Library/Group Containers/*.ru.keepcoder.Telegram/stable/account-*/postbox/media",
            "Library/Group Containers/*.ru.keepcoder.Telegram/appstore/account-*/postbox/media",
            "$XDG_DATA_HOME/TelegramDesktop/tdata/user_data",
            ".var/app/org.telegram.desktop/data/TelegramDesktop/tdata/user_data",
        }},
        50 * megabytes);
    rules.emplace_back(
        "messaging.whatsappMedia", "WhatsApp media", messaging, kind, needsReview,
        "Photos, videos and documents received in WhatsApp, one item per chat. Keep what is not "
        "saved anywhere else.",
        std::nullopt,
        Rule::HomePaths{{"Library/Group Containers/group.net.whatsapp.WhatsApp.shared/Message/"
                         "Media/*"}},
        100 * megabytes);
    rules.emplace_back(
        "messaging.messagesAttachments", "Messages attachments", messaging, kind, needsReview,
        "Photos and files received in Messages. With Messages in iCloud they stay "
        "in iCloud; otherwise this is the only copy on the Mac.",
        std::nullopt, Rule::HomePaths{{"Library/Messages/Attachments"}}, 200 * megabytes);
}

// Rows 23 to 28: backups, virtual machines, games, media and large files.
// "files.large" comes last so that no file inside a place claimed above is
// proposed a second time.
void appendRemainingRules(std::vector<Rule>& rules) {
    rules.emplace_back(
        "backups.iosDevices", "iPhone and iPad backups", StorageCategory::backups,
        FileKind::deviceBackups, needsReview,
        "Local backups made by Finder, one per device. Keep the latest one of a "
        "device you still use, unless it is backed up to iCloud.",
        std::nullopt, Rule::ChildrenOfHomeFolder{{"Library/Application Support/MobileSync/Backup"}},
        100 * megabytes);
    const auto machines = StorageCategory::virtualMachines;
    const auto machineKind = FileKind::virtualMachines;
    rules.emplace_back(
        "vm.docker", "Docker disk image", machines, machineKind, needsReview,
        "Docker keeps every image, container and volume in this one file. Prefer \"docker system "
        "prune\" if you use Docker; remove the file only if you do not.",
        "Docker creates an empty disk on its next start; pull the images again.",
        Rule::HomePaths{{"Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw",
                         ".docker/desktop/vms/0/data/Docker.raw"}},
        1000 * megabytes);
    rules.emplace_back("vm.machines", "Virtual machines", machines, machineKind, needsReview,
                       "Each virtual machine is a whole computer, with its own files inside. Keep "
                       "the ones you still start.",
                       std::nullopt,
                       Rule::HomePaths{{
                           "Parallels/*.pvm",
                           "Library/Containers/com.utmapp.UTM/Data/Documents/*.utm",
                           "Virtual Machines.localized/*.vmwarevm",
                           "VirtualBox VMs/*",
                           "vmware/*",
                           "$XDG_DATA_HOME/gnome-boxes/images/*",
                           "$XDG_DATA_HOME/libvirt/images/*",
                       }},
                       1000 * megabytes);
    rules.emplace_back("games.steam", "Steam games", StorageCategory::games, FileKind::games,
                       existsElsewhere,
                       "Installed Steam games, one item per game. Steam can download them again; "
                       "saves are usually in Steam Cloud.",
                       "Install the game again from your Steam library.",
                       Rule::HomePaths{{
                           "Library/Application Support/Steam/steamapps/common/*",
                           "$XDG_DATA_HOME/Steam/steamapps/common/*",
                           ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/*",
                       }},
                       500 * megabytes);
    rules.emplace_back(
        "media.oldScreenRecordings", "Old screen recordings", StorageCategory::media,
        FileKind::screenRecordings, needsReview,
        "Screen recordings not touched for a month. Most are made to share once.", std::nullopt,
        Rule::FilesOfKind{FileKind::screenRecordings,
                          {"$DESKTOP", "$VIDEOS", "$VIDEOS/Screencasts", "$DOWNLOAD", "$DOCUMENTS"},
                          30},
        50 * megabytes);
    rules.emplace_back("files.large", "Large files", StorageCategory::largeFiles, std::nullopt,
                       needsReview,
                       "Single files over 1 GB. Tandor cannot tell whether you still need them.",
                       std::nullopt, Rule::FilesLargerThan{1000 * megabytes}, 1000 * megabytes);
}

std::vector<Rule> makeTable() {
    std::vector<Rule> rules;
    rules.reserve(28);
    appendDeveloperRules(rules);
    appendCacheAndModelRules(rules);
    appendDownloadRules(rules);
    appendMessagingRules(rules);
    appendRemainingRules(rules);
    return rules;
}

}  // namespace

const std::vector<CleanupRule>& all() {
    static const std::vector<CleanupRule> table = makeTable();
    return table;
}

}  // namespace tandor::BuiltInRules
