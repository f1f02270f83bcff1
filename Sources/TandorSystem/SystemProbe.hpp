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
    // The allocated size under path; absent when nothing exists there.
    virtual std::optional<FolderMeasurement> measure(const std::string& path) = 0;
};

}  // namespace tandor
