#include "TandorCore/FileError.hpp"

#include <cstring>

namespace tandor {

FileError::FileError(std::string action, std::string path, int errorNumber)
    : std::runtime_error(action + " " + path + ": " + std::strerror(errorNumber)),
      path_(std::move(path)),
      errorNumber_(errorNumber) {
}

}  // namespace tandor
