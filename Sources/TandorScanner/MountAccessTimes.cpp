#include "TandorScanner/MountAccessTimes.hpp"

#include <sys/statvfs.h>

namespace tandor {
namespace {

std::optional<unsigned long> statvfsFlags(const std::string& path) {
    struct statvfs figures {};
    if (::statvfs(path.c_str(), &figures) != 0) {
        return std::nullopt;
    }
    return figures.f_flag;
}

bool allowsAccessTimes(std::optional<unsigned long> flags) {
    return flags && (*flags & ST_NOATIME) == 0;
}

}  // namespace

MountAccessTimes::MountAccessTimes() : MountAccessTimes(statvfsFlags) {
}

MountAccessTimes::MountAccessTimes(FlagsReader readFlags) : readFlags_(std::move(readFlags)) {
}

bool MountAccessTimes::recordsAccessTimes(const std::string& path) const {
    return allowsAccessTimes(readFlags_(path));
}

bool MountAccessTimes::deviceRecordsAccessTimes(std::uint64_t device,
                                                const std::string& path) const {
    const std::lock_guard lock(mutex_);
    if (const auto found = known_.find(device); found != known_.end()) {
        return found->second;
    }
    const auto flags = readFlags_(path);
    if (flags) {
        known_.emplace(device, allowsAccessTimes(flags));
    }
    return allowsAccessTimes(flags);
}

}  // namespace tandor
