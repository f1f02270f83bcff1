#include "TandorScanner/ScanError.hpp"

#include <string_view>

namespace tandor {
namespace {

// The path with each NUL shown as "\0", so the sentence is not cut short there.
std::string shown(const std::string& path) {
    std::string text;
    for (const char byte : path) {
        text += byte == '\0' ? std::string_view("\\0") : std::string_view(&byte, 1);
    }
    return text;
}

}  // namespace

ScanError::ScanError(Kind kind, std::string path, const std::string& description)
    : std::runtime_error(description), kind_(kind), path_(std::move(path)) {
}

ScanError ScanError::cannotRead(std::string path) {
    const std::string description = "Cannot read " + shown(path);
    return ScanError(Kind::cannotRead, std::move(path), description);
}

ScanError ScanError::cancelled(std::string path) {
    const std::string description = "The scan of " + shown(path) + " was cancelled";
    return ScanError(Kind::cancelled, std::move(path), description);
}

}  // namespace tandor
