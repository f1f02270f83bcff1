#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorScanner/DirectoryReader.hpp"
#include "TandorScanner/DiskReadWatch.hpp"
#include "TandorScanner/Ledger.hpp"
#include "TandorScanner/ScanOptions.hpp"
#include "TandorScanner/ScanProgress.hpp"

namespace tandor {

// One scan's walk of a folder tree. Folders above the parallel depth fan their
// subfolders out over worker threads. Below it a folder with several subfolders
// still offers them to idle threads (the loop runs them on the calling thread
// unless another thread steals them), so a large subtree under a narrow top is
// shared too; past maxNestedFanOuts fan-outs on one path, and in a walk asked
// for no parallelism, a subtree is walked by one thread with an explicit stack,
// so a deep tree never deepens the call stack much. A node is touched only by
// the thread that walks its folder until it is handed to its parent.
//
// A folder below the root is opened relative to the nearest folder above it
// that is still open (the reader hands each listed folder over open), never
// through its full path, so a folder swapped for a symbolic link after its
// parent was listed is not followed. A folder stays open while it has
// subfolders left to open, up to maxFoldersKeptOpen for the whole walk; past
// that, its subfolders are opened from an open ancestor one component at a time.
class Walk {
  public:
    using ProgressFunction = std::function<void(const ScanProgress&)>;

    // Far below the usual limit of 1024 descriptors per process, whatever the
    // number of threads and the depth of the tree.
    static constexpr int maxFoldersKeptOpen = 256;
    // Each fan-out adds a few call frames on the thread that waits for it.
    static constexpr int maxNestedFanOuts = 24;

    // Everything passed in must outlive the walk.
    Walk(const ScanOptions& options, const DirectoryReader& reader, std::uint64_t rootDevice,
         const ProgressFunction& progress, std::stop_token stop, Ledger& ledger,
         DiskReadWatch& diskReads);

    // The node of the folder at path with the totals of everything below it.
    // Once a stop is requested every folder not yet read stays empty.
    FileNodePtr directory(std::string path, std::optional<Date> modificationDate,
                          std::optional<Date> accessDate, int depth);
    // A file node with its sizes after hard-link and clone accounting.
    FileNodePtr file(std::string path, const ScanEntry& entry);

  private:
    // A file's sizes after hard-link and clone accounting.
    struct FileSizes {
        std::int64_t allocated = 0;
        std::int64_t logical = 0;
        std::int64_t shared = 0;
    };
    struct Subfolder {
        std::string path;
        std::optional<Date> modificationDate;
        std::optional<Date> accessDate;
    };
    // An open folder that folders below it are opened from; none (a null
    // folder) opens them by their full path.
    struct Anchor {
        const FolderDescriptor* folder = nullptr;
        std::string_view path;
    };
    // A folder whose files are counted and whose subfolders are still to walk.
    struct Frame {
        FileNodePtr node;
        bool keep = true;
        int depth = 0;
        // Fan-outs on the path from the root to this folder.
        int fanOuts = 0;
        std::vector<Subfolder> subfolders;
        std::size_t next = 0;
        // Open while subfolders are left to open from it.
        std::shared_ptr<const FolderDescriptor> folder = nullptr;

        void take(FileNodePtr child);
    };

    FileNodePtr subtree(std::string path, std::optional<Date> modificationDate,
                        std::optional<Date> accessDate, int depth, int fanOuts,
                        const Anchor& outer);
    Frame enter(std::string path, std::optional<Date> modificationDate,
                std::optional<Date> accessDate, int depth, int fanOuts, const Anchor& anchor);
    bool fansOut(const Frame& frame) const;
    std::optional<DirectoryListing> list(const std::string& path, const Anchor& anchor) const;
    void takeFiles(Frame& frame, const std::vector<ScanEntry>& entries);
    void reportFiles(const std::string& folder, std::int64_t files, std::int64_t bytes);
    void fanOut(Frame& frame, const Anchor& anchor);
    // Records the file in the ledger: call it once per file met.
    FileSizes account(const ScanEntry& entry);
    static FileNodePtr fileNode(std::string path, const ScanEntry& entry, const FileSizes& sizes);
    bool keepsFile(const Frame& frame, std::int64_t allocated, const std::string& name) const;
    void keepOpen(Frame& frame, std::shared_ptr<const FolderDescriptor> folder);
    void close(Frame& frame);
    static Anchor nearestAnchor(const std::vector<Frame>& stack, const Anchor& outer);

    const ScanOptions& options_;
    const DirectoryReader& reader_;
    std::uint64_t rootDevice_;
    const ProgressFunction& progress_;
    std::stop_token stop_;
    Ledger& ledger_;
    DiskReadWatch& diskReads_;
    std::atomic<int> foldersKeptOpen_ = 0;
};

}  // namespace tandor
