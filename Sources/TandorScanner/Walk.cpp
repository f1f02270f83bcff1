#include "TandorScanner/Walk.hpp"

#include "TandorCore/CheckedMath.hpp"
#include "TandorScanner/ParallelLoop.hpp"

namespace tandor {
namespace {

constexpr std::int64_t filesPerReport = 5000;

// Never "//name" under the root folder.
std::string childPath(const std::string& folder, const std::string& name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (folder != "/") {
        path += '/';
    }
    path += name;
    return path;
}

// The part of path below folder, which holds it.
std::string_view below(std::string_view folder, std::string_view path) {
    return path.substr(folder == "/" ? 1 : folder.size() + 1);
}

}  // namespace

Walk::Walk(const ScanOptions& options, const DirectoryReader& reader, std::uint64_t rootDevice,
           const ProgressFunction& progress, std::stop_token stop, Ledger& ledger)
    : options_(options),
      reader_(reader),
      rootDevice_(rootDevice),
      progress_(progress),
      stop_(std::move(stop)),
      ledger_(ledger) {
}

void Walk::Frame::take(FileNodePtr child) {
    if (keep) {
        node->append(std::move(child));
    } else {
        node->absorb(*child);
    }
}

FileNodePtr Walk::directory(std::string path, std::optional<Date> modificationDate,
                            std::optional<Date> accessDate, int depth) {
    return subtree(std::move(path), modificationDate, accessDate, depth, 0, Anchor{});
}

FileNodePtr Walk::subtree(std::string path, std::optional<Date> modificationDate,
                          std::optional<Date> accessDate, int depth, int fanOuts,
                          const Anchor& outer) {
    std::vector<Frame> stack;
    stack.push_back(enter(std::move(path), modificationDate, accessDate, depth, fanOuts, outer));
    while (true) {
        Frame& top = stack.back();
        if (top.next < top.subfolders.size()) {
            Subfolder& next = top.subfolders[top.next++];
            Frame child = enter(std::move(next.path), next.modificationDate, next.accessDate,
                                top.depth + 1, top.fanOuts, nearestAnchor(stack, outer));
            if (top.next == top.subfolders.size()) {
                close(top);
            }
            stack.push_back(std::move(child));
            continue;
        }
        FileNodePtr finished = std::move(top.node);
        stack.pop_back();
        if (stack.empty()) {
            return finished;
        }
        stack.back().take(std::move(finished));
    }
}

Walk::Anchor Walk::nearestAnchor(const std::vector<Frame>& stack, const Anchor& outer) {
    for (auto frame = stack.rbegin(); frame != stack.rend(); ++frame) {
        if (frame->folder) {
            return Anchor{frame->folder.get(), frame->node->path()};
        }
    }
    return outer;
}

Walk::Frame Walk::enter(std::string path, std::optional<Date> modificationDate,
                        std::optional<Date> accessDate, int depth, int fanOuts,
                        const Anchor& anchor) {
    Frame frame{
        .node = FileNode::make(std::move(path), std::nullopt, true, 0, 0, 0, modificationDate,
                               accessDate, {}),
        .keep = !options_.maxKeptDepth || depth < *options_.maxKeptDepth,
        .depth = depth,
        .fanOuts = fanOuts,
        .subfolders = {},
    };
    if (stop_.stop_requested()) {
        return frame;
    }
    auto listing = list(frame.node->path(), anchor);
    if (!listing) {
        ledger_.recordInaccessible(frame.node->path());
        return frame;
    }
    if (options_.staysOnSameVolume && listing->device != rootDevice_) {
        return frame;
    }
    takeFiles(frame, listing->entries);
    if (!frame.subfolders.empty() && listing->folder) {
        keepOpen(frame, std::move(listing->folder));
    }
    if (fansOut(frame)) {
        fanOut(frame, anchor);
    }
    return frame;
}

bool Walk::fansOut(const Frame& frame) const {
    if (frame.subfolders.size() < 2 || options_.parallelDepth <= 0) {
        return false;
    }
    return frame.depth < options_.parallelDepth || frame.fanOuts < maxNestedFanOuts;
}

std::optional<DirectoryListing> Walk::list(const std::string& path, const Anchor& anchor) const {
    if (!anchor.folder) {
        return reader_.list(path);
    }
    return reader_.listBelow(*anchor.folder, below(anchor.path, path), path);
}

void Walk::keepOpen(Frame& frame, std::shared_ptr<const FolderDescriptor> folder) {
    if (foldersKeptOpen_.fetch_add(1, std::memory_order_relaxed) < maxFoldersKeptOpen) {
        frame.folder = std::move(folder);
    } else {
        foldersKeptOpen_.fetch_sub(1, std::memory_order_relaxed);
    }
}

void Walk::close(Frame& frame) {
    if (frame.folder) {
        frame.folder.reset();
        foldersKeptOpen_.fetch_sub(1, std::memory_order_relaxed);
    }
}

void Walk::takeFiles(Frame& frame, const std::vector<ScanEntry>& entries) {
    const std::string& folder = frame.node->path();
    std::int64_t files = 0;
    std::int64_t bytes = 0;
    for (const auto& entry : entries) {
        std::string path = childPath(folder, entry.name);
        if (!options_.excludedPaths.empty() && options_.excludedPaths.contains(path)) {
            continue;
        }
        if (entry.isDirectory) {
            if (!options_.staysOnSameVolume || entry.device == 0 || entry.device == rootDevice_) {
                frame.subfolders.push_back(
                    {std::move(path), entry.modificationDate, entry.accessDate});
            }
            continue;
        }
        ++files;
        FileNodePtr node = file(std::move(path), entry);
        bytes = saturatingAdd(bytes, node->allocatedSize());
        if (keepsFile(frame, *node)) {
            frame.node->append(std::move(node));
        } else {
            frame.node->absorb(*node);
        }
    }
    if (files > 0) {
        reportFiles(folder, files, bytes);
    }
}

bool Walk::keepsFile(const Frame& frame, const FileNode& node) const {
    return frame.keep && (node.allocatedSize() >= options_.minimumKeptFileSize ||
                          options_.alwaysKeptNames.contains(node.name()));
}

void Walk::reportFiles(const std::string& folder, std::int64_t files, std::int64_t bytes) {
    const auto [before, after] = ledger_.addFiles(files, bytes);
    if (progress_ && before.filesSeen / filesPerReport != after.filesSeen / filesPerReport) {
        progress_(ScanProgress{folder, after.filesSeen, after.bytesSeen});
    }
}

void Walk::fanOut(Frame& frame, const Anchor& anchor) {
    const Anchor from = frame.folder ? Anchor{frame.folder.get(), frame.node->path()} : anchor;
    std::vector<FileNodePtr> slots(frame.subfolders.size());
    parallelFor(slots.size(), [&](std::size_t i) {
        Subfolder& subfolder = frame.subfolders[i];
        slots[i] = subtree(std::move(subfolder.path), subfolder.modificationDate,
                           subfolder.accessDate, frame.depth + 1, frame.fanOuts + 1, from);
    });
    close(frame);
    for (auto& node : slots) {
        frame.take(std::move(node));
    }
    frame.subfolders.clear();
}

FileNodePtr Walk::file(std::string path, const ScanEntry& entry) {
    std::int64_t allocated = entry.allocatedSize;
    std::int64_t logical = entry.logicalSize;
    std::int64_t shared = 0;
    if (entry.linkCount >= 2 && !ledger_.firstSighting(FileID{entry.device, entry.inode})) {
        return FileNode::make(std::move(path), entry.name, false, 0, 0, 0, entry.modificationDate,
                              entry.accessDate, {});
    }
    if (entry.privateSize && *entry.privateSize >= 0 && *entry.privateSize < allocated) {
        shared = allocated - *entry.privateSize;
        if (entry.cloneID && !ledger_.firstSighting(*entry.cloneID, shared)) {
            allocated = *entry.privateSize;
            shared = 0;
        }
    }
    return FileNode::make(std::move(path), entry.name, false, allocated, logical, shared,
                          entry.modificationDate, entry.accessDate, {});
}

}  // namespace tandor
