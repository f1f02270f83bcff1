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
    std::vector<Frame> stack;
    stack.push_back(enter(std::move(path), modificationDate, accessDate, depth));
    while (true) {
        Frame& top = stack.back();
        if (top.next < top.subfolders.size()) {
            Subfolder& next = top.subfolders[top.next++];
            Frame child =
                enter(std::move(next.path), next.modificationDate, next.accessDate, top.depth + 1);
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

Walk::Frame Walk::enter(std::string path, std::optional<Date> modificationDate,
                        std::optional<Date> accessDate, int depth) {
    Frame frame{
        .node = FileNode::make(std::move(path), std::nullopt, true, 0, 0, 0, modificationDate,
                               accessDate, {}),
        .keep = !options_.maxKeptDepth || depth < *options_.maxKeptDepth,
        .depth = depth,
        .subfolders = {},
    };
    if (stop_.stop_requested()) {
        return frame;
    }
    auto listing = reader_.list(frame.node->path());
    if (!listing) {
        ledger_.recordInaccessible(frame.node->path());
        return frame;
    }
    if (options_.staysOnSameVolume && listing->device != rootDevice_) {
        return frame;
    }
    takeFiles(frame, listing->entries);
    if (depth < options_.parallelDepth && frame.subfolders.size() >= 2) {
        fanOut(frame);
    }
    return frame;
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

void Walk::fanOut(Frame& frame) {
    std::vector<FileNodePtr> slots(frame.subfolders.size());
    parallelFor(slots.size(), [&](std::size_t i) {
        Subfolder& subfolder = frame.subfolders[i];
        slots[i] = directory(std::move(subfolder.path), subfolder.modificationDate,
                             subfolder.accessDate, frame.depth + 1);
    });
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
