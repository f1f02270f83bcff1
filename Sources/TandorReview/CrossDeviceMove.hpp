#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "TandorReview/MoveOutcome.hpp"

namespace tandor {

// FileMover::moveItem's move between two file systems, which no rename can do:
// a copy that never overwrites, then the removal of only what was copied and is
// still as it was copied. Callers go through FileMover::moveItem; this type
// stands apart so that tests can change the source while it is being copied.
class CrossDeviceMove {
  public:
    // Called with each source entry once its copy is complete, a folder after
    // everything in it.
    using Observer = std::function<void(const std::string& source)>;

    CrossDeviceMove(std::string from, std::string to, Observer afterEachCopy = {});

    // Does the move as FileMover::moveItem describes it. Runs once.
    MoveOutcome run();

  private:
    // A source entry as it was read for its copy.
    struct Copied {
        std::string path;
        struct stat info;
    };

    // Each copy sets made to true as soon as it has created its own item at
    // `to`, so that the caller knows whether there is anything of its own to
    // remove.
    void copyItem(const std::string& from, const std::string& to, bool& made);
    void copyFile(const std::string& from, const std::string& to, bool& made);
    void copyFolder(const std::string& from, const std::string& to, const struct stat& info,
                    bool& made);
    void copyLink(const std::string& from, const std::string& to, const struct stat& info,
                  bool& made);
    void reportCopied(const std::string& source);

    // Removes the copied entries that are unchanged, each folder once it is
    // empty, deepest first, and returns the source paths that stayed, sorted.
    std::vector<std::string> removeCopied() const;
    // Lists what kept a copied folder from being removed: what is new in it
    // (what of it was copied and stayed is listed where it is met), or the
    // folder itself when it cannot be read or failed for another reason.
    static void listWhatStayed(const std::string& folder, int removeError,
                               const std::unordered_set<std::string_view>& copiedPaths,
                               std::vector<std::string>& leftBehind);

    std::string from_;
    std::string to_;
    Observer afterEachCopy_;
    // Parents before their entries, in the order they were copied.
    std::vector<Copied> copied_;
};

}  // namespace tandor
