#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandor {

// Changes a store appends beside its file instead of rewriting the whole file
// for each one: "<name>.journal" beside "<name>.json", one JSON object a line,
// each synced to the disk before its change counts as saved. The store's
// content is its file with the journal's lines applied in order; the store
// folds them into the file when it next rewrites it, then removes the journal.
// Applying a line twice must change nothing, since a crash between the rewrite
// and the removal leaves lines the file already holds. Callers hold the
// store's lock around every read, append and removal.
class StoreJournal {
  public:
    // Past this many bytes the next change rewrites the store's file instead,
    // which empties the journal: a long journal slows every load and append.
    static constexpr std::size_t compactionSize = 256 * 1024;

    // The journal beside the store's file at storePath; computed only.
    static std::string pathFor(const std::string& storePath);

    explicit StoreJournal(std::string path);

    const std::string& path() const { return path_; }

    // The journal's whole text, or nothing when there is none. Throws FileError,
    // also for a link or anything but a regular file at its path.
    std::optional<std::string> read() const;

    struct Lines {
        std::vector<nlohmann::json> decoded;
        // Some line before the last is not JSON: damage no crash leaves.
        bool damaged = false;
    };

    // The lines of text, decoded. A last line cut short by a crash while it
    // was written (no line break, or not JSON) is not a change and is left
    // out; any other line that is not JSON is left out as damage.
    Lines lines(std::string_view text) const;

    // True when a line may go after text: no part of a torn line would run
    // into it and the journal is still short enough to grow.
    static bool acceptsLine(const std::optional<std::string>& text);

    // value as a line of the journal.
    static std::string line(const nlohmann::json& value);

    // Appends the line and syncs it to the disk; a new journal is made
    // durable in its folder first. Throws FileError, and the file is then cut
    // back to what it held before.
    void append(std::string_view line) const;

    // Removes the journal once the store's file holds its lines; false when it
    // is still there. A journal left behind only repeats what the file holds.
    bool remove() const;

    // Renames a damaged journal, once the store's file holds the lines that
    // could be decoded, to "<journal>.corrupt-<UTC stamp>" (a free variant
    // when taken) for a person to look at, and says so on the standard
    // error; false when it is still there.
    bool moveAside() const;

  private:
    std::string path_;
};

}  // namespace tandor
