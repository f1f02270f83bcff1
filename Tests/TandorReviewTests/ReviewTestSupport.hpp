#pragma once

#include <sys/stat.h>

#include <string>

#include "TestSupport/FileContents.hpp"

// Small file helpers shared by the review engine's tests.
namespace tandor::testing {

// Whether anything, a dangling link included, is at path.
inline bool isThere(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The text with control and non-ASCII bytes written as \xNN, fit for a test name.
inline std::string printable(const std::string& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte >= 0x7F) {
            shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 0x0F];
        } else {
            shown += character;
        }
    }
    return shown;
}

}  // namespace tandor::testing
