#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tandor {

// What a freedesktop desktop entry file says about the program it starts:
// the unlocalised keys of its "[Desktop Entry]" group, the first of each.
struct DesktopEntry {
    // The file as it was found.
    std::string path;
    // The file name without ".desktop".
    std::string id;
    // Name=, escapes undone; empty when missing.
    std::string name;
    // Icon=: an icon-theme name or an absolute path; absent when missing or
    // empty.
    std::optional<std::string> icon;
    // The program Exec= starts (see programOf); absent when there is none.
    std::optional<std::string> program;

    // Reads the entry at path; absent when the file is missing, unreadable,
    // larger than a megabyte or has no "[Desktop Entry]" group. The id is the
    // file name with a final ".desktop" removed.
    static std::optional<DesktopEntry> read(const std::string& path);

    // The first argument of an Exec= value whose general escapes (\s, \n, \t,
    // \r, \\) are already undone: unquoted, or between double quotes where "\"
    // escapes the next character; "%%" stands for "%". Absent when the value
    // is blank, a quote is never closed, or the first argument is a field
    // code such as "%U".
    static std::optional<std::string> programOf(std::string_view exec);

    friend bool operator==(const DesktopEntry&, const DesktopEntry&) = default;
};

}  // namespace tandor
