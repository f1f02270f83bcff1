#include <gtest/gtest.h>

#include <set>

#include "TandorAnalyzers/BuiltInRules.hpp"

namespace tandor {
namespace {

// The ids are written into the history, the pile and automations: a change
// here breaks stored files, so the whole list is pinned in claim order.
TEST(BuiltInRulesTest, TableHoldsTheTwentyEightRulesInClaimOrder) {
    const std::vector<std::string> expected{
        "xcode.derivedData",
        "xcode.deviceSupport",
        "simulator.caches",
        "simulator.devices",
        "xcode.archives",
        "dev.dormantProjects",
        "dev.nodeModules",
        "cache.npm",
        "cache.yarn",
        "cache.gradle",
        "cache.pip",
        "cache.user",
        "ai.ollama",
        "ai.lmstudio",
        "ai.huggingface",
        "installers.installedApps",
        "archives.extracted",
        "downloads.installers",
        "messaging.appCaches",
        "messaging.telegramMedia",
        "messaging.whatsappMedia",
        "messaging.messagesAttachments",
        "backups.iosDevices",
        "vm.docker",
        "vm.machines",
        "games.steam",
        "media.oldScreenRecordings",
        "files.large",
    };
    std::vector<std::string> ids;
    for (const auto& rule : BuiltInRules::all()) {
        ids.push_back(rule.id());
    }
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(&BuiltInRules::all(), &BuiltInRules::all());
}

TEST(BuiltInRulesTest, OnlyLargeFilesHasNoKindAndInstallerExtensionsAreLowercase) {
    for (const auto& rule : BuiltInRules::all()) {
        EXPECT_EQ(rule.kind().has_value(), rule.id() != "files.large") << rule.id();
        if (const auto* target = std::get_if<CleanupRule::FilesWithExtensions>(&rule.target())) {
            EXPECT_EQ(target->extensions,
                      (std::set<std::string>{"dmg", "pkg", "mpkg", "xip", "iso", "deb", "rpm"}));
        }
    }
}

}  // namespace
}  // namespace tandor
