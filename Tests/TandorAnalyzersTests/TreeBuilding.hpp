#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/FileNode.hpp"

namespace tandor::testing {

// A tree described by names, built into FileNodes with absolute paths.
struct Entry {
    std::string name;
    bool isDirectory = false;
    std::int64_t bytes = 0;
    std::optional<Date> modified;
    std::vector<Entry> children;
    // Bytes of files the scan folded into a folder (or a file's logical size
    // when set on a file).
    std::int64_t extra = 0;
};

inline Entry file(std::string name, std::int64_t bytes, std::optional<Date> modified = {}) {
    return Entry{std::move(name), false, bytes, modified, {}, 0};
}

inline Entry folder(std::string name, std::vector<Entry> children,
                    std::optional<Date> modified = {}) {
    return Entry{std::move(name), true, 0, modified, std::move(children), 0};
}

// A folder that also holds folded bytes not listed as children.
inline Entry folderWithFolded(std::string name, std::int64_t folded, std::vector<Entry> children) {
    return Entry{std::move(name), true, 0, {}, std::move(children), folded};
}

// A file whose logical size differs from its allocated size.
inline Entry fileWithLogical(std::string name, std::int64_t bytes, std::int64_t logical) {
    return Entry{std::move(name), false, bytes, {}, {}, logical};
}

inline FileNodePtr build(const std::string& path, const Entry& entry) {
    if (!entry.isDirectory) {
        const std::int64_t logical = entry.extra > 0 ? entry.extra : entry.bytes;
        return FileNode::make(path, entry.name, false, entry.bytes, logical, 0, entry.modified,
                              std::nullopt, {});
    }
    std::vector<FileNodePtr> children;
    for (const auto& child : entry.children) {
        children.push_back(build(path == "/" ? "/" + child.name : path + "/" + child.name, child));
    }
    auto node = FileNode::make(path, entry.name, true, 0, 0, 0, entry.modified, std::nullopt,
                               std::move(children));
    if (entry.extra > 0) {
        node->absorb(*FileNode::make(path + "/folded", std::nullopt, false, entry.extra,
                                     entry.extra, 0, std::nullopt, std::nullopt, {}));
    }
    return node;
}

// A folder at path holding children; its name is the path's last component.
inline FileNodePtr tree(const std::string& path, std::vector<Entry> children,
                        std::optional<Date> modified = {}) {
    const auto slash = path.rfind('/');
    return build(path, folder(slash == std::string::npos ? path : path.substr(slash + 1),
                              std::move(children), modified));
}

inline constexpr std::int64_t MB = 1'000'000;

inline Date daysBefore(Date now, double days) {
    return now - std::chrono::duration_cast<Date::duration>(
                     std::chrono::duration<double>(days * 86'400.0));
}

// A fixed "now" for date rules: 2025-06-15T12:00:00Z.
inline Date fixedNow() {
    using namespace std::chrono;
    return sys_days{year{2025} / June / 15} + hours{12};
}

}  // namespace tandor::testing
