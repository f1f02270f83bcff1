#include "TandorCore/FileNode.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor {
namespace {

std::string expandingTilde(std::string_view path) {
    if (path == "~" || path.starts_with("~/")) {
        return homeFolderPath() + std::string(path.substr(1));
    }
    return std::string(path);
}

}  // namespace

FileNodePtr FileNode::make(std::string path, std::optional<std::string> name, bool isDirectory,
                           std::int64_t allocatedSize, std::int64_t logicalSize,
                           std::int64_t sharedCloneSize, std::optional<Date> modificationDate,
                           std::optional<Date> accessDate, std::vector<FileNodePtr> children) {
    return std::make_shared<FileNode>(Key{}, std::move(path), std::move(name), isDirectory,
                                      allocatedSize, logicalSize, sharedCloneSize, modificationDate,
                                      accessDate, std::move(children));
}

FileNode::FileNode(Key, std::string path, std::optional<std::string> name, bool isDirectory,
                   std::int64_t allocatedSize, std::int64_t logicalSize,
                   std::int64_t sharedCloneSize, std::optional<Date> modificationDate,
                   std::optional<Date> accessDate, std::vector<FileNodePtr> children)
    : path_(std::move(path)),
      name_(name ? std::move(*name) : paths::lastComponent(path_)),
      isDirectory_(isDirectory),
      allocatedSize_(allocatedSize),
      logicalSize_(logicalSize),
      sharedCloneSize_(sharedCloneSize),
      modificationDate_(modificationDate),
      accessDate_(accessDate),
      children_(std::move(children)),
      fileCount_(isDirectory ? 0 : 1) {
    recomputeTotals();
}

void FileNode::recomputeTotals() {
    if (!isDirectory_) {
        return;
    }
    allocatedSize_ = logicalSize_ = sharedCloneSize_ = fileCount_ = 0;
    for (const auto& child : children_) {
        addTotals(*child);
    }
}

void FileNode::append(FileNodePtr child) {
    addTotals(*child);
    children_.push_back(std::move(child));
}

void FileNode::absorb(const FileNode& other) {
    addTotals(other);
}

void FileNode::absorbFile(std::int64_t allocatedSize, std::int64_t logicalSize,
                          std::int64_t sharedCloneSize) {
    allocatedSize_ = saturatingAdd(allocatedSize_, allocatedSize);
    logicalSize_ = saturatingAdd(logicalSize_, logicalSize);
    sharedCloneSize_ = saturatingAdd(sharedCloneSize_, sharedCloneSize);
    fileCount_ = saturatingAdd(fileCount_, std::int64_t{1});
}

void FileNode::addTotals(const FileNode& other) {
    allocatedSize_ = saturatingAdd(allocatedSize_, other.allocatedSize_);
    logicalSize_ = saturatingAdd(logicalSize_, other.logicalSize_);
    sharedCloneSize_ = saturatingAdd(sharedCloneSize_, other.sharedCloneSize_);
    fileCount_ = saturatingAdd(fileCount_, other.fileCount_);
}

void FileNode::subtractTotals(const FileNode& other) {
    allocatedSize_ = saturatingSubtract(allocatedSize_, other.allocatedSize_);
    logicalSize_ = saturatingSubtract(logicalSize_, other.logicalSize_);
    sharedCloneSize_ = saturatingSubtract(sharedCloneSize_, other.sharedCloneSize_);
    fileCount_ = saturatingSubtract(fileCount_, other.fileCount_);
}

std::int64_t FileNode::reclaimableSize() const {
    return allocatedSize_ > sharedCloneSize_ ? allocatedSize_ - sharedCloneSize_ : 0;
}

std::vector<FileNodePtr> FileNode::childrenBySize() const {
    std::vector<FileNodePtr> sorted = children_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a->allocatedSize_ > b->allocatedSize_;
    });
    return sorted;
}

void FileNode::forEach(const std::function<void(const FileNodePtr&)>& body) {
    body(shared_from_this());
    for (const auto& child : children_) {
        child->forEach(body);
    }
}

FileNodePtr FileNode::nodeAt(std::string_view path) {
    const std::string target = normalize(path);
    const std::string own = normalize(path_);
    if (target == own) {
        return shared_from_this();
    }
    const std::string prefix = own.ends_with('/') ? own : own + "/";
    if (!target.starts_with(prefix)) {
        return nullptr;
    }
    FileNodePtr current = shared_from_this();
    for (const auto piece : paths::components(std::string_view(target).substr(prefix.size()))) {
        const auto& children = current->children_;
        const auto found =
            std::find_if(children.begin(), children.end(),
                         [piece](const auto& child) { return child->name_ == piece; });
        if (found == children.end()) {
            return nullptr;
        }
        current = *found;
    }
    return current;
}

FileNodePtr FileNode::without(const std::set<std::string>& paths) {
    WayDown way;
    for (const auto& path : paths) {
        std::string_view rest = path;
        for (auto slash = rest.find_last_of('/'); slash != std::string_view::npos && rest != "/";
             slash = rest.find_last_of('/')) {
            const std::string_view folder = slash == 0 ? "/" : rest.substr(0, slash);
            auto& names = way.try_emplace(std::string(folder)).first->second;
            // The folders further up are on the way already.
            if (!names.emplace(rest.substr(slash + 1)).second) {
                break;
            }
            rest = folder;
        }
    }
    if (paths.contains(path_)) {
        return nullptr;
    }
    return withoutOnTheWay(paths, way);
}

FileNodePtr FileNode::withoutOnTheWay(const std::set<std::string>& paths, const WayDown& way) {
    const auto names = way.find(path_);
    if (names == way.end()) {
        return shared_from_this();
    }
    // The copy keeps the bytes folded into this folder without a node.
    auto copy = make(path_, name_, isDirectory_, 0, 0, 0, modificationDate_, accessDate_, {});
    copy->allocatedSize_ = allocatedSize_;
    copy->logicalSize_ = logicalSize_;
    copy->sharedCloneSize_ = sharedCloneSize_;
    copy->fileCount_ = fileCount_;
    copy->children_.reserve(children_.size());
    for (const auto& child : children_) {
        const std::string_view childPath = child->path_;
        if (!names->second.contains(childPath.substr(childPath.find_last_of('/') + 1))) {
            copy->children_.push_back(child);
            continue;
        }
        copy->subtractTotals(*child);
        if (paths.contains(child->path_)) {
            continue;
        }
        auto kept = child->withoutOnTheWay(paths, way);
        copy->addTotals(*kept);
        copy->children_.push_back(std::move(kept));
    }
    return copy;
}

std::string FileNode::normalize(std::string_view path) {
    const std::string expanded = expandingTilde(path);
    const bool absolute = expanded.starts_with('/');
    std::vector<std::string_view> kept;
    for (const auto piece : paths::components(expanded)) {
        if (piece == ".") {
            continue;
        }
        if (piece == ".." && absolute) {
            if (!kept.empty()) {
                kept.pop_back();
            }
            continue;
        }
        kept.push_back(piece);
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            result += '/';
        }
        result += kept[i];
    }
    if (result.empty() && !expanded.empty()) {
        return ".";
    }
    return result;
}

nlohmann::json FileNode::toJSON() const {
    nlohmann::json children = nlohmann::json::array();
    for (const auto& child : children_) {
        children.push_back(child->toJSON());
    }
    nlohmann::json object = {
        {"path", pathToJSON(path_)},       {"name", pathToJSON(name_)},
        {"isDirectory", isDirectory_},     {"allocatedSize", allocatedSize_},
        {"logicalSize", logicalSize_},     {"sharedCloneSize", sharedCloneSize_},
        {"children", std::move(children)}, {"fileCount", fileCount_},
    };
    if (modificationDate_) {
        object["modificationDate"] = iso8601String(*modificationDate_);
    }
    if (accessDate_) {
        object["accessDate"] = iso8601String(*accessDate_);
    }
    return object;
}

FileNodePtr FileNode::fromJSON(const nlohmann::json& value) {
    decode::requireObject(value, "node");
    const auto& childValues = decode::requireArray(value, "children");
    std::vector<FileNodePtr> children;
    children.reserve(childValues.size());
    for (const auto& childValue : childValues) {
        children.push_back(fromJSON(childValue));
    }
    auto node = make(decode::requireString(value, "path"), decode::requireString(value, "name"),
                     decode::requireBool(value, "isDirectory"), 0, 0, 0,
                     decode::optionalDate(value, "modificationDate"),
                     decode::optionalDate(value, "accessDate"), std::move(children));
    // Decoding keeps the totals as they were written, not as the children sum up.
    node->allocatedSize_ = decode::requireInt64(value, "allocatedSize");
    node->logicalSize_ = decode::requireInt64(value, "logicalSize");
    node->sharedCloneSize_ = decode::requireInt64(value, "sharedCloneSize");
    node->fileCount_ = decode::requireInt64(value, "fileCount");
    return node;
}

}  // namespace tandor
