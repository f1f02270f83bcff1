#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Small file helpers shared by the review engine's tests.
namespace tandor::testing {

inline void writeFile(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

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
