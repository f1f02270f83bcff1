#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// The errors a scan throws. A folder below the root that cannot be listed is
// never one of them: it is recorded in the result.
class ScanError : public std::runtime_error {
  public:
    enum class Kind {
        // The scan root itself cannot be examined.
        cannotRead,
        // The caller asked the scan to stop before it finished.
        cancelled,
    };

    static ScanError cannotRead(std::string path);
    static ScanError cancelled(std::string path);

    Kind kind() const { return kind_; }
    // The scan root, normalised.
    const std::string& path() const { return path_; }
    // One sentence: "Cannot read <path>", with a NUL in the path shown as "\0".
    std::string description() const { return what(); }

  private:
    ScanError(Kind kind, std::string path, const std::string& description);

    Kind kind_;
    std::string path_;
};

}  // namespace tandor
