#pragma once

#include <sys/stat.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorDuplicates/DuplicateFile.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"
#include "TestSupport/FileContents.hpp"

namespace tandor::testing {

// Midnight UTC on 1 January of the year (proleptic Gregorian).
inline Date year(int value) {
    using namespace std::chrono;
    return sys_days(std::chrono::year(value) / January / 1);
}

inline DuplicateFile file(std::string path, std::optional<Date> date = std::nullopt,
                          std::int64_t allocatedSize = 4'096,
                          std::optional<CloneInfo> clone = std::nullopt) {
    return DuplicateFile{std::move(path), allocatedSize, date, clone};
}

// The paths of the group's files, in the group's order.
inline std::vector<std::string> pathsOf(const DuplicateGroup& group) {
    std::vector<std::string> paths;
    for (const auto& file : group.files()) {
        paths.push_back(file.path);
    }
    return paths;
}

// size bytes of a repeating pattern that depends on seed.
inline std::string pattern(std::size_t size, unsigned seed = 0) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + seed * 7 + i / 251) & 0xff);
    }
    return bytes;
}

}  // namespace tandor::testing
