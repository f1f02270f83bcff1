#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorScanner/DirectoryReader.hpp"
#include "TandorScanner/Ledger.hpp"
#include "TandorScanner/ScanOptions.hpp"
#include "TandorScanner/ScanProgress.hpp"

namespace tandor {

// One scan's walk of a folder tree. Folders above the parallel depth fan their
// subfolders out over worker threads; below it each subtree is walked by one
// thread with an explicit stack, so a deep tree never deepens the call stack.
// A node is touched only by the thread that walks its folder until it is handed
// to its parent.
class Walk {
  public:
    using ProgressFunction = std::function<void(const ScanProgress&)>;

    // Everything passed in must outlive the walk.
    Walk(const ScanOptions& options, const DirectoryReader& reader, std::uint64_t rootDevice,
         const ProgressFunction& progress, std::stop_token stop, Ledger& ledger);

    // The node of the folder at path with the totals of everything below it.
    // Once a stop is requested every folder not yet read stays empty.
    FileNodePtr directory(std::string path, std::optional<Date> modificationDate,
                          std::optional<Date> accessDate, int depth);
    // A file node with its sizes after hard-link and clone accounting.
    FileNodePtr file(std::string path, const ScanEntry& entry);

  private:
    struct Subfolder {
        std::string path;
        std::optional<Date> modificationDate;
        std::optional<Date> accessDate;
    };
    // A folder whose files are counted and whose subfolders are still to walk.
    struct Frame {
        FileNodePtr node;
        bool keep = true;
        int depth = 0;
        std::vector<Subfolder> subfolders;
        std::size_t next = 0;

        void take(FileNodePtr child);
    };

    Frame enter(std::string path, std::optional<Date> modificationDate,
                std::optional<Date> accessDate, int depth);
    void takeFiles(Frame& frame, const std::vector<ScanEntry>& entries);
    void reportFiles(const std::string& folder, std::int64_t files, std::int64_t bytes);
    void fanOut(Frame& frame);
    bool keepsFile(const Frame& frame, const FileNode& node) const;

    const ScanOptions& options_;
    const DirectoryReader& reader_;
    std::uint64_t rootDevice_;
    const ProgressFunction& progress_;
    std::stop_token stop_;
    Ledger& ledger_;
};

}  // namespace tandor
