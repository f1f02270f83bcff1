#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace tandor {

// Whether a mount records access times, that is, whether a file's access time
// can say when it was last read. A mount with "noatime" keeps whatever the file
// was created with; "relatime" (the usual default) moves it at least once a
// day. Safe to share between threads.
class MountAccessTimes {
  public:
    // The statvfs f_flag of the mount holding path; absent when it cannot be read.
    using FlagsReader = std::function<std::optional<unsigned long>(const std::string& path)>;

    // Reads the flags with statvfs.
    MountAccessTimes();
    explicit MountAccessTimes(FlagsReader readFlags);

    // The mount holding path records access times; false when its flags cannot
    // be read. Asks every time.
    bool recordsAccessTimes(const std::string& path) const;
    // The same for a path on device, asked the first time device is seen and
    // remembered from then on. A failed read is not remembered.
    bool deviceRecordsAccessTimes(std::uint64_t device, const std::string& path) const;

  private:
    FlagsReader readFlags_;
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::uint64_t, bool> known_;
};

}  // namespace tandor
