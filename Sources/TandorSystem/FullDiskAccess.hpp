#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whether this program may read the places that a disk-access permission
// protects, decided by trying to read a fixed list of them. Keeps no state and
// changes nothing on disk; every function may be called from any thread.
namespace tandor::FullDiskAccess {

enum class Status {
    // At least one protected place could be read.
    granted,
    // None could be read, and at least one exists but refused reading.
    denied,
    // None of the places exists, so nothing can be told.
    unknown,
};

std::string_view rawValue(Status status);
// Only an exact, case-sensitive raw value gives a status.
std::optional<Status> statusFromRawValue(std::string_view raw);

// The address of the settings page where the permission is granted. Absent
// here: this platform has no such permission and no such page.
std::optional<std::string> settingsURL();

// The protected places, in probing order: four folders under home (each formed
// by appending its suffix to home unchanged) and one system database file.
std::vector<std::string> probePaths(const std::string& home);

// The decision over probePaths(home) with canRead as the test.
Status currentStatus(const std::string& home);

// granted at the first path that can be read (later paths are not tested);
// otherwise denied when some path exists but refused reading; otherwise
// unknown, also for an empty list. canRead is called during the call only.
Status status(const std::vector<std::string>& probes,
              const std::function<std::optional<bool>(const std::string&)>& canRead);

// Absent when nothing exists at path (a symbolic link is followed); for a
// folder, whether it can be listed; for anything else, whether it can be
// opened for reading (nothing is read).
std::optional<bool> canRead(const std::string& path);

}  // namespace tandor::FullDiskAccess
