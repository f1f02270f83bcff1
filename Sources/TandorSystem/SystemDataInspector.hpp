#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorSystem/SystemDataReport.hpp"
#include "TandorSystem/SystemProbe.hpp"

namespace tandor {

// Breaks System Data down into what a program can see of it: local snapshots,
// purgeable space and a fixed list of system and Library folders. Measures
// only; changes nothing. Reads the machine only through its probe and reuses
// the last home-folder scan where that already holds a folder.
class SystemDataInspector {
  public:
    // One group of folders, measured and shown as one item.
    struct FolderDefinition {
        SystemDataItem::Kind kind;
        std::string title;
        std::string explanation;
        std::string advice;
        bool handledByMacOS;
        // Absolute paths, measured in this order.
        std::vector<std::string> paths;
    };

    using Clock = std::function<Date()>;
    // Writes one date of the snapshot range for people to read.
    using DateText = std::function<std::string(Date)>;

    // Stores home and temporaryFolder normalised.
    SystemDataInspector(std::shared_ptr<SystemProbe> probe, std::string_view home,
                        std::string_view temporaryFolder,
                        Clock now = std::chrono::system_clock::now,
                        DateText dateText = shortDateAndTime);

    // One report; never fails. Asks the probe for the volume of "/" once, the
    // snapshots once, then for each folder of the groups that tree (the root of
    // the last home scan, or null; only read) does not hold, group by group.
    SystemDataReport inspect(const FileNodePtr& tree) const;

    // The seven folder groups, built from home and temporaryFolder at each
    // call. The temporary folder's parent joins the caches group only when it
    // lies under "/var/folders/" or "/private/var/folders/".
    std::vector<FolderDefinition> folderDefinitions() const;

    // The date in local time with the locale's short date and the time in
    // hours and minutes.
    static std::string shortDateAndTime(Date date);

    const std::string& home() const { return home_; }
    const std::string& temporaryFolder() const { return temporaryFolder_; }

  private:
    std::optional<SystemDataItem> snapshotsItem() const;
    std::optional<SystemDataItem> folderItem(const FolderDefinition& definition,
                                             const FileNodePtr& tree) const;

    std::shared_ptr<SystemProbe> probe_;
    std::string home_;
    std::string temporaryFolder_;
    Clock now_;
    DateText dateText_;
};

}  // namespace tandor
