#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorReview/SwipeCard.hpp"
#include "TandorReview/SwipeDeckKind.hpp"

namespace tandor {

// Deals a scanned tree into the four swipe decks. Reads only the tree and its
// own fields, so it may run on any thread while the tree stays unchanged.
struct SwipeDeckBuilder {
    // Takes the home folder and the Downloads folders from places.
    SwipeDeckBuilder(const HomePlaces& places, Date now, std::int64_t downloadsMinimumBytes,
                     std::int64_t installerMinimumBytes, std::int64_t largeVideoBytes,
                     std::int64_t oldFileBytes, std::int64_t oldFileDays);

    // Normalised by the constructor; a value assigned later is taken as it is.
    std::string home;
    // The folders whose items form the Downloads deck: the user's Downloads
    // folder, and ~/Downloads when that is another folder.
    std::vector<std::string> downloadsFolders;
    // Never dealt out, like home's Library: the programs' data folders and
    // the home Trash, which are hidden unless the XDG variables move them.
    std::vector<std::string> shieldedPlaces;
    // Ages are measured against this moment.
    Date now;
    std::int64_t downloadsMinimumBytes;
    std::int64_t installerMinimumBytes;
    std::int64_t largeVideoBytes;
    std::int64_t oldFileBytes;
    std::int64_t oldFileDays;

    // All four decks (each possibly empty), largest first, equal sizes by path.
    // The items directly in a Downloads folder form their own deck; every file of the
    // tree outside hidden folders, packages, home's Library and Applications
    // and the shielded places goes to at most one of the other three.
    std::map<SwipeDeckKind, std::vector<SwipeCard>> decks(const FileNodePtr& root) const;
    std::vector<SwipeCard> cards(SwipeDeckKind kind, const FileNodePtr& root) const;

    // "today", "yesterday", "n days ago", "n months ago" or "n years ago".
    static std::string age(std::int64_t days);

  private:
    void dealDownloads(const FileNodePtr& root, std::vector<SwipeCard>& deck) const;
    void dealTree(const FileNodePtr& root,
                  std::map<SwipeDeckKind, std::vector<SwipeCard>>& decks) const;
    std::optional<SwipeDeckKind> fileDeck(const FileNode& file) const;
    SwipeCard card(const FileNode& node, SwipeDeckKind kind) const;
};

}  // namespace tandor
