#include "TandorScanner/Walk.hpp"

#include "TandorCore/CheckedMath.hpp"
#include "TandorScanner/ParallelLoop.hpp"
#include "TandorScanner/SpareEntries.hpp"

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
           const ProgressFunction& progress, std::stop_token stop, Ledger& ledger,
           DiskReadWatch& diskReads)
    : options_(options),
      reader_(reader),
      rootDevice_(rootDevice),
      progress_(progress),
      stop_(std::move(stop)),
      ledger_(ledger),
      diskReads_(diskReads) {
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
    spare_entries::handBack(std::move(listing->entries));
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
    const DiskReadWatch::Sample sample = diskReads_.starting();
    auto listing = anchor.folder ? reader_.listBelow(*anchor.folder, below(anchor.path, path), path)
                                 : reader_.list(path);
    diskReads_.finished(sample);
    return listing;
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
        // Most files are only folded into their folder: their path is built
        // only when something needs it.
        if (!options_.excludedPaths.empty() &&
            options_.excludedPaths.contains(childPath(folder, entry.name))) {
            continue;
        }
        if (entry.isDirectory) {
            if (!options_.staysOnSameVolume || entry.device == 0 || entry.device == rootDevice_) {
                frame.subfolders.push_back(
                    {childPath(folder, entry.name), entry.modificationDate, entry.accessDate});
            }
            continue;
        }
        ++files;
        const FileSizes sizes = account(entry);
        bytes = saturatingAdd(bytes, sizes.allocated);
        if (keepsFile(frame, sizes.allocated, entry.name)) {
            frame.node->append(fileNode(childPath(folder, entry.name), entry, sizes));
        } else {
            frame.node->absorbFile(sizes.allocated, sizes.logical, sizes.shared);
        }
    }
    if (files > 0) {
        reportFiles(folder, files, bytes);
    }
}

bool Walk::keepsFile(const Frame& frame, std::int64_t allocated, const std::string& name) const {
    return frame.keep &&
           (allocated >= options_.minimumKeptFileSize || options_.alwaysKeptNames.contains(name));
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
    return fileNode(std::move(path), entry, account(entry));
}

FileNodePtr Walk::fileNode(std::string path, const ScanEntry& entry, const FileSizes& sizes) {
    return FileNode::make(std::move(path), entry.name, false, sizes.allocated, sizes.logical,
                          sizes.shared, entry.modificationDate, entry.accessDate, {});
}

Walk::FileSizes Walk::account(const ScanEntry& entry) {
    if (entry.linkCount >= 2 && !ledger_.firstSighting(FileID{entry.device, entry.inode})) {
        return {};
    }
    FileSizes sizes{.allocated = entry.allocatedSize, .logical = entry.logicalSize, .shared = 0};
    if (entry.privateSize && *entry.privateSize >= 0 && *entry.privateSize < sizes.allocated) {
        sizes.shared = sizes.allocated - *entry.privateSize;
        if (entry.cloneID && !ledger_.firstSighting(*entry.cloneID, sizes.shared)) {
            sizes.allocated = *entry.privateSize;
            sizes.shared = 0;
        }
    }
    return sizes;
}

}  // namespace tandor
