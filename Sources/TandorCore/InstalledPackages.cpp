#include "TandorCore/InstalledPackages.hpp"

#include <algorithm>
#include <optional>

#include "TandorCore/SmallFile.hpp"

namespace tandor {
namespace {

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

// Field names of control files compare without regard to ASCII case.
bool sameFieldName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    while (!(text = trimmed(text)).empty()) {
        const auto end = std::min(text.find_first_of(blanks), text.size());
        found.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return found;
}

// "<want> <flag> <state>": the package's files are in place and dpkg found
// nothing wrong with it.
bool saysInstalled(std::string_view status) {
    const auto parts = words(status);
    return parts.size() == 3 && parts[1] == "ok" && parts[2] == "installed";
}

bool isPackageName(std::string_view name) {
    return !name.empty() && name.find_first_of(blanks) == std::string_view::npos;
}

// What one paragraph has said so far.
struct Paragraph {
    // Empty until a Package field names it.
    std::string_view package;
    bool installed = false;

    void read(std::string_view line) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            return;
        }
        const auto field = trimmed(line.substr(0, colon));
        const auto value = trimmed(line.substr(colon + 1));
        if (sameFieldName(field, "Package") && package.empty() && isPackageName(value)) {
            package = value;
        } else if (sameFieldName(field, "Status")) {
            installed = saysInstalled(value);
        }
    }
};

}  // namespace

InstalledPackages InstalledPackages::read(const std::string& path) {
    const auto text = smallFile(path, sizeLimit);
    return text ? parse(*text) : InstalledPackages();
}

InstalledPackages InstalledPackages::parse(std::string_view text) {
    InstalledPackages packages;
    Paragraph paragraph;
    const auto finish = [&packages, &paragraph] {
        if (!paragraph.package.empty() && paragraph.installed) {
            packages.names_.emplace_back(paragraph.package);
        }
        paragraph = Paragraph();
    };
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (trimmed(line).empty()) {
            finish();
        } else if (line.front() != ' ' && line.front() != '\t') {
            // Indented lines continue a field's value; no field read here spans lines.
            paragraph.read(line);
        }
    }
    finish();
    std::sort(packages.names_.begin(), packages.names_.end());
    packages.names_.erase(std::unique(packages.names_.begin(), packages.names_.end()),
                          packages.names_.end());
    return packages;
}

bool InstalledPackages::contains(std::string_view name) const {
    return std::binary_search(names_.begin(), names_.end(), name);
}

}  // namespace tandor
