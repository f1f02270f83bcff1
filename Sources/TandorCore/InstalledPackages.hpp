#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tandor {

// The names of the Debian packages that dpkg lists as installed, from its
// status file. The file is only ever read.
class InstalledPackages {
  public:
    static constexpr std::string_view defaultStatusPath = "/var/lib/dpkg/status";
    // A status file of 3,000 packages is about 3 MB; a larger file than this
    // is not one and is not read into memory.
    static constexpr std::size_t sizeLimit = 64 * 1024 * 1024;

    InstalledPackages() = default;

    // The packages of the status file at path. A file that is absent,
    // unreadable, not a regular file or larger than sizeLimit gives none.
    static InstalledPackages read(const std::string& path = std::string(defaultStatusPath));

    // The packages of the text of a status file: every paragraph with a
    // Package field and a Status whose flag is "ok" and whose state is
    // "installed" ("install ok installed", or "hold ok installed" for a held
    // package). Lines that fit no field are passed over.
    static InstalledPackages parse(std::string_view text);

    bool contains(std::string_view name) const;
    std::size_t size() const { return names_.size(); }

  private:
    // Sorted, without repeats.
    std::vector<std::string> names_;
};

}  // namespace tandor
