#include "TandorApps/DesktopEntry.hpp"

#include <map>

#include "TandorCore/SmallFile.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

// Desktop entries are a few kilobytes; anything this large is not one.
constexpr std::size_t maximumEntrySize = 1024 * 1024;

constexpr std::string_view blanks = " \t";

std::string_view trimmed(std::string_view text) {
    const auto start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

std::optional<char> escapedCharacter(char code) {
    switch (code) {
        case 's':
            return ' ';
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case '\\':
            return '\\';
        default:
            return std::nullopt;
    }
}

// A value with the escapes every string value may hold undone; any other
// backslash stays as it is.
std::string unescaped(std::string_view value) {
    std::string text;
    for (std::size_t index = 0; index < value.size(); ++index) {
        const auto escaped = value[index] == '\\' && index + 1 < value.size()
                                 ? escapedCharacter(value[index + 1])
                                 : std::nullopt;
        text += escaped.value_or(value[index]);
        if (escaped) {
            ++index;
        }
    }
    return text;
}

// The keys of the "[Desktop Entry]" group, the first of each; absent when the
// text has no such group.
std::optional<std::map<std::string, std::string, std::less<>>> entryKeys(std::string_view text) {
    std::optional<std::map<std::string, std::string, std::less<>>> keys;
    bool inEntryGroup = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with('[')) {
            inEntryGroup = line == "[Desktop Entry]" && !keys;
            if (inEntryGroup) {
                keys.emplace();
            }
            continue;
        }
        const auto equals = line.find('=');
        if (!inEntryGroup || line.starts_with('#') || equals == std::string_view::npos) {
            continue;
        }
        keys->try_emplace(std::string(trimmed(line.substr(0, equals))),
                          unescaped(trimmed(line.substr(equals + 1))));
    }
    return keys;
}

bool isFieldCode(std::string_view argument) {
    return argument.size() == 2 && argument[0] == '%' && argument[1] != '%';
}

// The argument with "%%" read as "%"; absent when it is empty.
std::optional<std::string> programIn(std::string_view argument) {
    std::string text;
    for (std::size_t index = 0; index < argument.size(); ++index) {
        text += argument[index];
        if (argument.substr(index, 2) == "%%") {
            ++index;
        }
    }
    return text.empty() ? std::nullopt : std::optional(std::move(text));
}

}  // namespace

std::optional<DesktopEntry> DesktopEntry::read(const std::string& path) {
    const auto contents = smallFile(path, maximumEntrySize);
    const auto keys = contents ? entryKeys(*contents) : std::nullopt;
    if (!keys) {
        return std::nullopt;
    }
    auto id = paths::lastComponent(path);
    if (id.ends_with(".desktop")) {
        id.resize(id.size() - std::string_view(".desktop").size());
    }
    DesktopEntry entry{path, std::move(id), {}, std::nullopt, std::nullopt};
    if (const auto name = keys->find("Name"); name != keys->end()) {
        entry.name = name->second;
    }
    if (const auto icon = keys->find("Icon"); icon != keys->end() && !icon->second.empty()) {
        entry.icon = icon->second;
    }
    if (const auto exec = keys->find("Exec"); exec != keys->end()) {
        entry.program = programOf(exec->second);
    }
    return entry;
}

std::optional<std::string> DesktopEntry::programOf(std::string_view exec) {
    exec = trimmed(exec);
    if (exec.empty()) {
        return std::nullopt;
    }
    if (exec.front() != '"') {
        const auto argument = exec.substr(0, exec.find_first_of(blanks));
        if (isFieldCode(argument)) {
            return std::nullopt;
        }
        return programIn(argument);
    }
    std::string argument;
    for (std::size_t index = 1; index < exec.size(); ++index) {
        if (exec[index] == '"') {
            return programIn(argument);
        }
        if (exec[index] == '\\' && index + 1 < exec.size()) {
            ++index;
        }
        argument += exec[index];
    }
    return std::nullopt;
}

}  // namespace tandor
