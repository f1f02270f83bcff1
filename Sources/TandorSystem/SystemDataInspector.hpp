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

// Accounts for the space the system keeps for itself, as far as we can look:
// snapshots, reclaimable space and well-known system and Library folders. It
// only reads. Every reading goes through the probe, and a folder that the last
// home scan already holds is sized from that tree, not read again.
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

    // Stores home and temporaryFolder normalised.
    SystemDataInspector(std::shared_ptr<SystemProbe> probe, std::string_view home,
                        std::string_view temporaryFolder,
                        Clock now = std::chrono::system_clock::now,
                        DateText dateText = shortDateAndTime);

    // Builds the report without throwing. The root volume's figures and the
    // snapshot list are read once each; then every listed folder missing from
    // tree (the last home scan's root, or null; left unchanged) is sized.
    SystemDataReport inspect(const FileNodePtr& tree) const;

    // The folder groups, computed on each call from home and temporaryFolder.
    // The temporary folder's parent is added to the caches group only under
    // "/var/folders/" or "/private/var/folders/".
    std::vector<FolderDefinition> folderDefinitions() const;

    // Local date in the locale's short form, then HH:MM.
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
