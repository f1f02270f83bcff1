#include "TandorScanner/ScanError.hpp"

namespace tandor {

ScanError::ScanError(Kind kind, std::string path, const std::string& description)
    : std::runtime_error(description), kind_(kind), path_(std::move(path)) {
}

ScanError ScanError::cannotRead(std::string path) {
    const std::string description = "Cannot read " + path;
    return ScanError(Kind::cannotRead, std::move(path), description);
}

ScanError ScanError::cancelled(std::string path) {
    const std::string description = "The scan of " + path + " was cancelled";
    return ScanError(Kind::cancelled, std::move(path), description);
}

}  // namespace tandor
