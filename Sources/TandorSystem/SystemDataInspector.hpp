#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorSystem/SystemDataReport.hpp"
#include "TandorSystem/SystemProbe.hpp"

namespace tandor {

// Accounts for the space the system keeps for itself, as far as we can look:
// snapshots, reclaimable space and well-known system and Library folders, with
// their Linux counterparts (swap files, /var/cache, /var/tmp, /tmp, /var/log,
// VM and container stores) and the user's cache folder. It only reads. Every
// reading goes through the probe, and a folder that the last home scan
// already holds is sized from that tree, not read again. Each byte is counted
// once: a listed path inside another listed path is left out of the outer
// one's size.
class SystemDataInspector {
  public:
    // Folders reported together under one title.
    struct FolderDefinition {
        SystemDataItem::Kind kind;
        std::string title;
        std::string explanation;
        std::string advice;
        bool handledByMacOS;
        // Absolute paths, sized one after the other.
        std::vector<std::string> paths;
    };

    using Clock = std::function<Date()>;
    // Formats either end of the snapshots' date range for display.
    using DateText = std::function<std::string(Date)>;

    // places gives the home folder and the user's cache folder. The system
    // folders (and the kernel's swap table) are looked for below systemRoot,
    // "/" but for tests; the paths the report gives are those below it.
    // Stores temporaryFolder and systemRoot normalised.
    SystemDataInspector(std::shared_ptr<SystemProbe> probe, const HomePlaces& places,
                        std::string_view temporaryFolder, std::string_view systemRoot = "/",
                        Clock now = std::chrono::system_clock::now,
                        DateText dateText = shortDateAndTime);

    // Builds the report without throwing. The system root's volume figures and the
    // snapshot list are read once each; then every listed folder missing from
    // tree (the last home scan's root, or null; left unchanged) is sized. A
    // folder kept in memory (a tmpfs /tmp) takes no disk space and is left
    // out, unless the system root itself is kept in memory.
    SystemDataReport inspect(const FileNodePtr& tree) const;

    // The folder groups, computed on each call from the places, the
    // temporary folder and the swap files the probe finds. The temporary
    // folder's parent is added to the caches group only under "/var/folders/"
    // or "/private/var/folders/". A path listed before is not listed again.
    std::vector<FolderDefinition> folderDefinitions() const;

    // Local date in the locale's short form, then HH:MM.
    static std::string shortDateAndTime(Date date);

    const std::string& home() const { return home_; }
    const std::string& temporaryFolder() const { return temporaryFolder_; }

  private:
    std::optional<SystemDataItem> snapshotsItem() const;
    // tablePaths: every path of the table, so that those inside one of the
    // definition's paths are left out of its size.
    // skipsMemory: a folder kept in memory is left out (its files take no
    // room on the disk).
    std::optional<SystemDataItem> folderItem(const FolderDefinition& definition,
                                             const FileNodePtr& tree,
                                             const std::vector<std::string>& tablePaths,
                                             bool skipsMemory) const;
    // The path below the system root.
    std::string systemPath(std::string_view path) const;

    std::shared_ptr<SystemProbe> probe_;
    std::string home_;
    std::string cacheHome_;
    std::string temporaryFolder_;
    std::string systemRoot_;
    Clock now_;
    DateText dateText_;
};

}  // namespace tandor
