#pragma once

#include <filesystem>
#include <string>

#include "TestSupport/FileContents.hpp"

namespace tandor::testing {

// The start of an ELF file of an AppImage of type 2, padded to size bytes; a
// look-alike has the ELF header without the AppImage mark.
inline std::string appImageBytes(bool withMark = true, std::size_t size = 8192) {
    std::string bytes(
        "\x7f"
        "ELF\x02\x01\x01\x00",
        8);
    bytes += withMark ? std::string("AI\x02", 3) : std::string(3, '\0');
    bytes.resize(size, '\0');
    return bytes;
}

// An executable AppImage (or look-alike) at path.
inline void writeAppImage(const std::string& path, bool withMark = true) {
    writeFile(path, appImageBytes(withMark));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::group_exec);
}

// A desktop entry at path whose Exec= is exec, followed by the given lines.
inline void writeDesktopEntry(const std::string& path, const std::string& exec,
                              const std::string& more = "") {
    writeFile(path, "[Desktop Entry]\nType=Application\nExec=" + exec + "\n" + more);
}

}  // namespace tandor::testing
