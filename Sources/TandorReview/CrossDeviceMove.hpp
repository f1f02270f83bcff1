#pragma once

#include <sys/stat.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "TandorReview/MoveOutcome.hpp"
#include "TandorScanner/FolderDescriptor.hpp"

namespace tandor {

// FileMover::moveItem's move between two file systems, which no rename can do:
// a copy that never overwrites, then the removal of only what was copied and is
// still as it was copied. Both sides are walked through open folders from the
// moved item down, never following a symbolic link below it, so a folder of
// the tree swapped for a link meanwhile leads neither the copy nor the removal
// out of the tree. Holes in files stay holes, and a file linked more than once
// within the tree stays one file. Callers go through FileMover::moveItem; this
// type stands apart so that tests can change the source while it is being
// copied.
class CrossDeviceMove {
  public:
    // Called with each source entry once its copy is complete, a folder after
    // everything in it.
    using Observer = std::function<void(const std::string& source)>;

    CrossDeviceMove(std::string from, std::string to, Observer afterEachCopy = {});

    // Does the move as FileMover::moveItem describes it. Runs once. When the
    // copy fails, or a copied folder is no longer where it was copied from once
    // its copy is complete, throws FileError with the source untouched and the
    // copy undone.
    MoveOutcome run();

  private:
    // A source entry as it was read for its copy; a folder with its entries in
    // the order they were copied.
    struct Copied {
        std::string name;
        struct stat info {};
        std::vector<Copied> entries;
    };
    // An entry to copy: the open folders that hold it and its copy, its name in
    // each, and its paths for messages. targetBelow is the copy's path below
    // the target's parent, through which later links reach it.
    struct Place {
        int sourceFolder;
        int targetFolder;
        std::string sourceName;
        std::string targetName;
        std::string source;
        std::string target;
        std::string targetBelow;

        Place below(int sourceFolder, int targetFolder, const std::string& name) const;
    };
    // The first copy of a file linked more than once, to which the copies of
    // its other links within the tree are linked.
    struct FirstCopy {
        std::string folderBelow;
        std::string name;
        // The source file as it was copied, and the copy.
        struct stat copied {};
        struct stat target {};
    };

    // Each copy sets made to true as soon as it has created its own item, so
    // that the caller knows whether there is anything of its own to remove.
    Copied copyItem(const Place& place, bool& made);
    Copied copyFile(const Place& place, bool& made);
    Copied linkToFirstCopy(const Place& place, const FirstCopy& first, bool& made);
    Copied copyFolder(const Place& place, bool& made);
    Copied copyLink(const Place& place, const struct stat& info, bool& made);
    void reportCopied(const std::string& source);

    // Removes the copied entries below folder that are unchanged, each folder
    // once it is empty, deepest first, and adds to leftBehind the paths that
    // stayed: what changed, what is new, and a folder that is no longer the one
    // copied, whose contents are not looked at.
    static void removeCopied(int folder, const Copied& entry, const std::string& path,
                             std::vector<std::string>& leftBehind);
    // Lists what kept a copied folder from being removed: what is new in it
    // (what of it was copied and stayed is listed where it is met), or the
    // folder itself when it cannot be read or failed for another reason.
    static void listWhatStayed(int folder, const std::string& path, int removeError,
                               const Copied& entry, std::vector<std::string>& leftBehind);

    std::string from_;
    std::string to_;
    Observer afterEachCopy_;
    FolderDescriptor sourceParent_;
    FolderDescriptor targetParent_;
    // By the device and inode of the source file.
    std::map<std::pair<dev_t, ino_t>, FirstCopy> firstCopies_;
};

}  // namespace tandor
