#pragma once

#include <memory>

#include "TandorCore/FileNode.hpp"
#include "TandorScanner/LastUsedReader.hpp"
#include "TandorScanner/MountAccessTimes.hpp"

namespace tandor {

// The last-used date of a path: the date of the recently used list when the
// list names the path, else the file's access time. An access time counts only
// for a regular file whose mount records access times, and only when it is
// later than the file's modification time: a file written and not read since
// was never opened, and a folder's access time moves whenever anything lists
// it, this program's scans included.
class RecentListOrAccessTimeReader final : public LastUsedReader {
  public:
    // tree, when given, answers for its own nodes from the dates the scan read,
    // without touching the disk. It must come from a scan that stayed on its
    // root's device: the root's mount speaks for every node. Paths outside it,
    // and every path when there is no tree, are read with one statx each.
    RecentListOrAccessTimeReader(std::shared_ptr<const LastUsedReader> recentList,
                                 std::shared_ptr<const MountAccessTimes> mounts,
                                 FileNodePtr tree = nullptr);

    // The desktop's recently used list, read now, and mounts read with statvfs.
    static std::shared_ptr<const LastUsedReader> standard(FileNodePtr tree = nullptr);

    std::optional<Date> lastUsedDate(const std::string& path) const override;

  private:
    std::optional<Date> accessDateInTree(const FileNode& node) const;
    std::optional<Date> accessDateOnDisk(const std::string& path) const;

    std::shared_ptr<const LastUsedReader> recentList_;
    std::shared_ptr<const MountAccessTimes> mounts_;
    FileNodePtr tree_;
    bool treeRecordsAccessTimes_ = false;
};

}  // namespace tandor
