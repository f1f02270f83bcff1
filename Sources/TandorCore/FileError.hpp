#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// An operation on one file failed. Carries the path and the errno, and says so
// in one sentence: "Cannot write /a/b: No space left on device".
class FileError : public std::runtime_error {
  public:
    FileError(std::string action, std::string path, int errorNumber);

    const std::string& path() const { return path_; }
    int errorNumber() const { return errorNumber_; }

  private:
    std::string path_;
    int errorNumber_;
};

}  // namespace tandor
