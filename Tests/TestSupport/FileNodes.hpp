#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TandorCore/FileNode.hpp"

// Scan trees built by hand, for tests that need a tree but no disk.
namespace tandor::testing {

// A file node whose allocated and logical sizes are bytes.
inline FileNodePtr fileNode(const std::string& path, std::int64_t bytes,
                            std::optional<Date> modified = std::nullopt) {
    return FileNode::make(path, std::nullopt, false, bytes, bytes, 0, modified, std::nullopt, {});
}

// A folder node holding children and no bytes of its own.
inline FileNodePtr folderNode(const std::string& path, std::vector<FileNodePtr> children = {}) {
    return FileNode::make(path, std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                          std::move(children));
}

}  // namespace tandor::testing
