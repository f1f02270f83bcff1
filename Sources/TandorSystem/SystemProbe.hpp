#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TandorSystem/FolderMeasurement.hpp"
#include "TandorSystem/LocalSnapshot.hpp"
#include "TandorSystem/VolumeUsage.hpp"

namespace tandor {

// The System Data inspector's only access to the machine. Nothing throws:
// every failure is an absent reading (or, when measuring, a count of
// unreadable folders).
class SystemProbe {
  public:
    virtual ~SystemProbe() = default;

    // The capacity figures of the volume that holds path.
    virtual std::optional<VolumeUsage> volumeUsage(const std::string& path) = 0;
    // The local snapshots of the root volume in the order listed; absent when
    // they cannot be listed, empty when there are none.
    virtual std::optional<std::vector<LocalSnapshot>> localSnapshots() = 0;
    // The allocated size under path, leaving out the paths in excluded (those
    // are counted elsewhere); absent when nothing exists at path.
    virtual std::optional<FolderMeasurement> measure(const std::string& path,
                                                     const std::vector<std::string>& excluded) = 0;
    // The swap files that the kernel's swap table at swapTable lists, as the
    // table names them; empty when it cannot be read or lists none.
    virtual std::vector<std::string> swapFiles(const std::string& swapTable) = 0;
    // True when path lies on a file system kept in memory (tmpfs, ramfs),
    // whose files take no room on any disk.
    virtual bool isInMemory(const std::string& path) = 0;
};

}  // namespace tandor
