#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "TandorCore/FileKind.hpp"
#include "TandorCore/SafetyLevel.hpp"
#include "TandorCore/StorageCategory.hpp"

namespace tandor {

// One kind of reclaimable space: where to look, how it is labelled, how safe
// removing it is and how much must be found before it is worth showing. A rule
// is a plain value; the analyzer gives each target its meaning.
class CleanupRule {
  public:
    // Every folder and pattern below is a place path (HomePlaces::resolve):
    // relative to the home folder, or beginning with a place such as
    // $DOWNLOAD or $XDG_CACHE_HOME. One may stand for several folders (the
    // platform's and the one a Mac names), and a target may list the places
    // of several platforms; the analyzer looks in every one the tree holds.

    // The one folder at each place.
    struct HomeFolder {
        std::vector<std::string> places;
    };
    // Each child of the folder at each place.
    struct ChildrenOfHomeFolder {
        std::vector<std::string> places;
    };
    // Every folder of that name in the tree that has the marker beside it.
    struct FolderNamed {
        std::string name;
        std::optional<std::string> siblingMarker;
    };
    // Entries directly inside the folders whose extension is in the set
    // (stored in lower case) and that were last changed more than
    // olderThanDays ago.
    struct FilesWithExtensions {
        std::set<std::string> extensions;
        std::vector<std::string> inHomeFolders;
        int olderThanDays = 0;
    };
    // Every file larger than the size.
    struct FilesLargerThan {
        std::int64_t bytes = 0;
    };
    // Whatever the patterns match; "*" is a wildcard inside one component.
    struct HomePaths {
        std::vector<std::string> patterns;
    };
    // Installer files whose name matches an installed application.
    struct InstallersOfInstalledApps {
        std::vector<std::string> inHomeFolders;
    };
    // Archives that sit next to a folder of the same name.
    struct ExtractedArchives {
        std::vector<std::string> inHomeFolders;
    };
    // Build folders of code projects not changed for olderThanDays.
    struct DormantProjectBuildFolders {
        int olderThanDays = 0;
    };
    // Files of the kind directly inside the folders, last changed more than
    // olderThanDays ago.
    struct FilesOfKind {
        FileKind kind = FileKind::other;
        std::vector<std::string> inHomeFolders;
        int olderThanDays = 0;
    };

    using Target = std::variant<HomeFolder, ChildrenOfHomeFolder, FolderNamed, FilesWithExtensions,
                                FilesLargerThan, HomePaths, InstallersOfInstalledApps,
                                ExtractedArchives, DormantProjectBuildFolders, FilesOfKind>;

    CleanupRule(std::string id, std::string title, StorageCategory category,
                std::optional<FileKind> kind, SafetyLevel safety, std::string reason,
                std::optional<std::string> howToRecover, Target target, std::int64_t minimumBytes);

    // A stable dotted identifier; it is written into pile entries, the history
    // and automations, so it never changes.
    const std::string& id() const { return id_; }
    const std::string& title() const { return title_; }
    StorageCategory category() const { return category_; }
    // When present its title becomes the suggestion's subcategory.
    const std::optional<FileKind>& kind() const { return kind_; }
    SafetyLevel safety() const { return safety_; }
    const std::string& reason() const { return reason_; }
    const std::optional<std::string>& howToRecover() const { return howToRecover_; }
    const Target& target() const { return target_; }
    // A suggestion needs at least this many bytes in the items it keeps.
    std::int64_t minimumBytes() const { return minimumBytes_; }

  private:
    std::string id_;
    std::string title_;
    StorageCategory category_;
    std::optional<FileKind> kind_;
    SafetyLevel safety_;
    std::string reason_;
    std::optional<std::string> howToRecover_;
    Target target_;
    std::int64_t minimumBytes_;
};

}  // namespace tandor
