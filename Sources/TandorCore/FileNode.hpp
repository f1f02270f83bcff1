#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Date.hpp"

namespace tandor {

class FileNode;
using FileNodePtr = std::shared_ptr<FileNode>;

// One file or folder of a scanned tree. Nodes are shared by reference: two
// nodes are the same only if they are the same object.
//
// A folder's sizes and file count are always the sums over what was appended or
// absorbed into it; its own directory entry is never counted. The scanner builds
// a tree from one thread per folder; once the scan returns the tree is only read
// and may be shared between threads.
class FileNode : public std::enable_shared_from_this<FileNode> {
    struct Key {};

  public:
    // For a folder the three sizes passed in are not kept: the totals start as
    // the sums over children. A file keeps its sizes and counts as one file.
    // When name is absent it is the last component of path.
    static FileNodePtr make(std::string path, std::optional<std::string> name, bool isDirectory,
                            std::int64_t allocatedSize, std::int64_t logicalSize,
                            std::int64_t sharedCloneSize, std::optional<Date> modificationDate,
                            std::optional<Date> accessDate, std::vector<FileNodePtr> children);

    FileNode(Key, std::string path, std::optional<std::string> name, bool isDirectory,
             std::int64_t allocatedSize, std::int64_t logicalSize, std::int64_t sharedCloneSize,
             std::optional<Date> modificationDate, std::optional<Date> accessDate,
             std::vector<FileNodePtr> children);

    FileNode(const FileNode&) = delete;
    FileNode& operator=(const FileNode&) = delete;

    const std::string& path() const { return path_; }
    const std::string& name() const { return name_; }
    bool isDirectory() const { return isDirectory_; }
    std::int64_t allocatedSize() const { return allocatedSize_; }
    std::int64_t logicalSize() const { return logicalSize_; }
    std::int64_t sharedCloneSize() const { return sharedCloneSize_; }
    const std::optional<Date>& modificationDate() const { return modificationDate_; }
    const std::optional<Date>& accessDate() const { return accessDate_; }
    const std::vector<FileNodePtr>& children() const { return children_; }
    std::int64_t fileCount() const { return fileCount_; }

    // On a folder: totals become the sums over the current children.
    void recomputeTotals();
    // Keeps child at the end of children and adds its totals to this node's.
    void append(FileNodePtr child);
    // Adds other's totals to this node's without keeping other.
    void absorb(const FileNode& other);
    // Adds one file's sizes and counts the file, without a node for it.
    void absorbFile(std::int64_t allocatedSize, std::int64_t logicalSize,
                    std::int64_t sharedCloneSize);

    // Bytes that removing this node would free: allocated minus shared, never below 0.
    std::int64_t reclaimableSize() const;
    // The children, largest allocated size first; equal sizes keep their order.
    std::vector<FileNodePtr> childrenBySize() const;
    // Visits this node, then every child's subtree in order (pre-order). An
    // exception thrown by body stops the walk and reaches the caller.
    void forEach(const std::function<void(const FileNodePtr&)>& body);
    // The node of this subtree at path (matched by child names), or null.
    FileNodePtr nodeAt(std::string_view path);
    // This subtree as it is once the nodes at the given paths are gone: each
    // folder above one of them is a new node whose totals no longer count it;
    // every other node is shared, and this subtree is left as it is, so that
    // other threads may go on reading it. This node itself when no path lies
    // in it, null when its own path is one of them.
    FileNodePtr without(const std::set<std::string>& paths);

    // The one path normaliser: expands a leading "~", collapses empty and "."
    // components, resolves ".." lexically in absolute paths and drops a trailing
    // "/" ("/" stays "/", "" stays "").
    static std::string normalize(std::string_view path);

    // JSON form: one object per node with children nested. Paths and names use
    // the lossless path form; dates are ISO 8601. Decoding keeps every value as
    // read and throws DecodingError on a missing key or a wrong type.
    nlohmann::json toJSON() const;
    static FileNodePtr fromJSON(const nlohmann::json& value);

  private:
    void addTotals(const FileNode& other);
    void subtractTotals(const FileNode& other);
    // For each folder holding one of the paths, the names of its children on
    // the way down to them.
    using WayDown = std::map<std::string, std::set<std::string, std::less<>>, std::less<>>;
    FileNodePtr withoutOnTheWay(const std::set<std::string>& paths, const WayDown& way);

    std::string path_;
    std::string name_;
    bool isDirectory_;
    std::int64_t allocatedSize_;
    std::int64_t logicalSize_;
    std::int64_t sharedCloneSize_;
    std::optional<Date> modificationDate_;
    std::optional<Date> accessDate_;
    std::vector<FileNodePtr> children_;
    std::int64_t fileCount_;
};

}  // namespace tandor
