#include "TandorReview/SwipeDeckBuilder.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <string_view>

#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

constexpr std::int64_t secondsPerDay = 86400;

// Installers and disk images of both platforms.
constexpr std::array<std::string_view, 7> installerExtensions{"dmg", "pkg", "mpkg", "xip",
                                                              "iso", "deb", "rpm"};

constexpr std::array<std::string_view, 13> videoExtensions{
    "mov", "mp4", "m4v", "mkv", "avi", "webm", "mts", "m2ts", "wmv", "flv", "mpg", "mpeg", "3gp"};

// Packages and libraries: what lies inside them is never dealt out.
constexpr std::array<std::string_view, 23> protectedPackageExtensions{
    "app",       "photoslibrary", "photolibrary",  "aplibrary",    "migratedphotolibrary",
    "fcpbundle", "imovielibrary", "tvlibrary",     "musiclibrary", "logicx",
    "band",      "lrdata",        "cocatalog",     "bundle",       "framework",
    "plugin",    "xcarchive",     "sparsebundle",  "sparseimage",  "vmwarevm",
    "pvm",       "utm",           "photosmigrator"};

// Folders directly in the home folder whose inside is never dealt out.
constexpr std::array<std::string_view, 2> shieldedHomeFolders{"Library", "Applications"};

template <std::size_t size>
bool contains(const std::array<std::string_view, size>& table, std::string_view value) {
    return std::find(table.begin(), table.end(), value) != table.end();
}

std::string lowercaseExtension(const std::string& name) {
    return unicode::lowercased(paths::extension(name));
}

bool isHidden(const FileNode& node) {
    return node.name().starts_with('.');
}

// Whole days from one date to a later one, cut toward zero; 0 when from is
// not earlier. Works in whole seconds so that no dates can overflow the clock.
std::int64_t wholeDays(Date from, Date to) {
    const auto fromSeconds = std::chrono::floor<std::chrono::seconds>(from);
    const auto toSeconds = std::chrono::floor<std::chrono::seconds>(to);
    std::int64_t seconds = (toSeconds - fromSeconds).count();
    if (to - toSeconds < from - fromSeconds) {
        --seconds;
    }
    return seconds > 0 ? seconds / secondsPerDay : 0;
}

std::vector<std::string> programFoldersAndTrash(const HomePlaces& places) {
    std::vector<std::string> folders = places.programFolders();
    folders.push_back(places.trashFolder());
    return folders;
}

void sortDeck(std::vector<SwipeCard>& deck) {
    std::stable_sort(deck.begin(), deck.end(), [](const SwipeCard& a, const SwipeCard& b) {
        if (a.bytes != b.bytes) {
            return a.bytes > b.bytes;
        }
        return a.path < b.path;
    });
}

}  // namespace

SwipeDeckBuilder::SwipeDeckBuilder(const HomePlaces& places, Date now,
                                   std::int64_t downloadsMinimumBytes,
                                   std::int64_t installerMinimumBytes, std::int64_t largeVideoBytes,
                                   std::int64_t oldFileBytes, std::int64_t oldFileDays)
    : home(places.home()),
      downloadsFolders(places.foldersOf(HomePlaces::UserFolder::download)),
      shieldedPlaces(programFoldersAndTrash(places)),
      now(now),
      downloadsMinimumBytes(downloadsMinimumBytes),
      installerMinimumBytes(installerMinimumBytes),
      largeVideoBytes(largeVideoBytes),
      oldFileBytes(oldFileBytes),
      oldFileDays(oldFileDays) {
}

std::map<SwipeDeckKind, std::vector<SwipeCard>> SwipeDeckBuilder::decks(
    const FileNodePtr& root) const {
    std::map<SwipeDeckKind, std::vector<SwipeCard>> result;
    for (const auto kind : allSwipeDeckKinds) {
        result[kind];
    }
    dealDownloads(root, result[SwipeDeckKind::downloads]);
    dealTree(root, result);
    for (auto& [kind, deck] : result) {
        sortDeck(deck);
    }
    return result;
}

std::vector<SwipeCard> SwipeDeckBuilder::cards(SwipeDeckKind kind, const FileNodePtr& root) const {
    return decks(root)[kind];
}

std::string SwipeDeckBuilder::age(std::int64_t days) {
    if (days <= 0) {
        return "today";
    }
    if (days == 1) {
        return "yesterday";
    }
    if (days < 60) {
        return std::to_string(days) + " days ago";
    }
    if (days < 730) {
        return std::to_string(days / 30) + " months ago";
    }
    return std::to_string(days / 365) + " years ago";
}

void SwipeDeckBuilder::dealDownloads(const FileNodePtr& root, std::vector<SwipeCard>& deck) const {
    for (const auto& folder : downloadsFolders) {
        const FileNodePtr downloads = root->nodeAt(folder);
        if (!downloads) {
            continue;
        }
        for (const auto& child : downloads->children()) {
            if (!isHidden(*child) && child->allocatedSize() >= downloadsMinimumBytes) {
                deck.push_back(card(*child, SwipeDeckKind::downloads));
            }
        }
    }
}

void SwipeDeckBuilder::dealTree(const FileNodePtr& root,
                                std::map<SwipeDeckKind, std::vector<SwipeCard>>& decks) const {
    std::vector<std::string> shielded = shieldedPlaces;
    for (const auto name : shieldedHomeFolders) {
        shielded.push_back(paths::join(home, name));
    }
    std::vector<const FileNode*> folders{root.get()};
    while (!folders.empty()) {
        const FileNode* folder = folders.back();
        folders.pop_back();
        for (const auto& child : folder->children()) {
            if (isHidden(*child)) {
                continue;
            }
            if (!child->isDirectory()) {
                if (const auto kind = fileDeck(*child)) {
                    decks[*kind].push_back(card(*child, *kind));
                }
                continue;
            }
            const bool skipped =
                std::find(shielded.begin(), shielded.end(), child->path()) != shielded.end() ||
                contains(protectedPackageExtensions, lowercaseExtension(child->name()));
            if (!skipped) {
                folders.push_back(child.get());
            }
        }
    }
}

std::optional<SwipeDeckKind> SwipeDeckBuilder::fileDeck(const FileNode& file) const {
    const std::string extension = lowercaseExtension(file.name());
    const std::int64_t bytes = file.allocatedSize();
    if (contains(installerExtensions, extension)) {
        if (bytes >= installerMinimumBytes) {
            return SwipeDeckKind::installers;
        }
        return std::nullopt;
    }
    if (contains(videoExtensions, extension) && bytes >= largeVideoBytes) {
        return SwipeDeckKind::largeVideos;
    }
    const Date cutoff = now - std::chrono::seconds(oldFileDays * secondsPerDay);
    const auto& modified = file.modificationDate();
    if (modified && *modified < cutoff && bytes >= oldFileBytes) {
        return SwipeDeckKind::oldFiles;
    }
    return std::nullopt;
}

SwipeCard SwipeDeckBuilder::card(const FileNode& node, SwipeDeckKind kind) const {
    std::vector<Evidence> evidence;
    if (const auto& modified = node.modificationDate()) {
        evidence.push_back(Evidence::observed("Last changed " + age(wholeDays(*modified, now))));
    }
    switch (kind) {
        case SwipeDeckKind::downloads:
            evidence.push_back(Evidence::observed("In your Downloads folder"));
            if (node.isDirectory()) {
                evidence.push_back(Evidence::observed("Folder with " +
                                                      std::to_string(node.fileCount()) + " files"));
            }
            evidence.push_back(Evidence::inferred(
                "Downloads often hold things you already opened, installed or saved elsewhere."));
            break;
        case SwipeDeckKind::installers:
            evidence.push_back(Evidence::inferred(
                "Installer file. Once the app is installed it is not needed, and it can be "
                "downloaded again."));
            break;
        case SwipeDeckKind::largeVideos:
            evidence.push_back(Evidence::inferred(
                "Check that a copy is in Photos, iCloud or a backup before removing it."));
            break;
        case SwipeDeckKind::oldFiles:
            evidence.push_back(
                Evidence::inferred("Not changed for over " + std::to_string(oldFileDays / 30) +
                                   " months. Tandor cannot tell whether you still need it."));
            break;
    }
    return SwipeCard(node.path(), node.name(), node.allocatedSize(), node.isDirectory(),
                     node.modificationDate(), kind, std::move(evidence));
}

}  // namespace tandor
