#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TandorReview/Trasher.hpp"

namespace tandor {

// The freedesktop.org Trash. An item on the disk of the home Trash
// ($XDG_DATA_HOME/Trash, by default ~/.local/share/Trash) goes there; an item on
// another disk goes to that disk's own "$topdir/.Trash-$uid", which is made when
// missing and used only when it is a real folder of ours. Nothing is ever copied
// between disks. The name is reserved first by creating info/<name>.trashinfo
// exclusively (a taken name moves on to "<name> 2", "<name> 3", ...), then the
// item is renamed to files/<name> without replacing anything. A name too long to
// leave room for ".trashinfo" is shortened inside the Trash; the info file keeps
// the full original path, so the item goes back under its own name.
//
// The item's folder is opened once; the checks and the move go through that
// descriptor, so a folder on the way swapped for a link meanwhile cannot make
// it move a protected folder.
class SystemTrasher final : public Trasher {
  public:
    // Called with the item's path once its info file is written, right before
    // the item is moved.
    using Observer = std::function<void(const std::string& path)>;

    explicit SystemTrasher(Observer beforeMove = {});

    // Returns the item's path in files/. Throws ReviewError::protectedFromTrash
    // for the home folder, the support folder (supportFolderPath()) and
    // anything inside it, the Trash, anything inside the Trash or any folder
    // holding one of them; ReviewError::noTrashOnVolume when the item's disk
    // has no usable Trash; FileError when the item is missing or cannot be
    // moved (its .trashinfo is then removed again and the item stays where it
    // was), with EINVAL before anything is touched when the path holds a NUL
    // byte and EAGAIN when a folder on the item's path was replaced while it
    // was being moved.
    MoveOutcome trash(const std::string& path) const override;

    // The home Trash folder, computed only.
    static std::string homeTrashPath();

    // Called once the item at trashedPath has been put back at originalPath:
    // removes the .trashinfo beside it when that file describes originalPath,
    // so that other Trash tools stop listing the item. Anything else (a
    // quarantine folder, no info file, an info file about another path, a path
    // holding a NUL byte) is left alone, and a failure to remove is ignored: the
    // item is back already.
    static void forgetTrashInfo(const std::string& trashedPath, const std::string& originalPath);

    // Each item in files/ of the home Trash, or of the Trash of the disk that
    // holds its original path's folder, that has its identity and whose info
    // file describes its original path: the noted path when it is such an
    // item, else one found in that Trash's listing. Each Trash is listed at
    // most once, however many items are sought.
    std::vector<std::optional<std::string>> locate(const std::vector<Sought>& items) const override;

    // Removes every info file in those Trashes that describes one of the
    // original paths while nothing in files/ answers it: a name reserved for a
    // move that never happened. Reservations of other paths and answered ones
    // stay. Each Trash is read once, however many paths are given.
    void release(const std::vector<std::string>& originalPaths) const override;

    // "<trash>/info/<name>.trashinfo" for "<trash>/files/<name>", or nothing
    // when trashedPath does not lie in the files/ folder of a Trash (a folder
    // named "files" with an "info" folder beside it).
    static std::optional<std::string> infoPathFor(const std::string& trashedPath);

    // True when the info file at infoPath can be read and its Path= line names
    // originalPath: the Trash's own word that the item there came from there.
    static bool infoDescribes(const std::string& infoPath, const std::string& originalPath);

  private:
    Observer beforeMove_;
};

}  // namespace tandor
