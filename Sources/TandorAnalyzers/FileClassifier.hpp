#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "TandorCore/FileKind.hpp"
#include "TandorCore/HomePlaces.hpp"

namespace tandor {

// Names what a file or folder of a scanned tree is, from names and the paths
// of the home's places alone: it never touches the disk. Its tables of names
// are constants built once on first use, safely from any thread; its tables of
// places are built with it and only read afterwards.
class FileClassifier {
  public:
    // The kind of a recognised folder and who it belongs to (a display name).
    struct FolderMatch {
        FileKind kind;
        std::string owner;

        friend bool operator==(const FolderMatch&, const FolderMatch&) = default;
    };

    // Knows the folders of one home as places gives them: the Trash, the
    // known folders below home or below an XDG base folder, and the folders
    // whose children belong each to one application.
    explicit FileClassifier(const HomePlaces& places);

    const std::string& home() const { return home_; }
    const std::string& trashFolder() const { return trashFolder_; }

    // The kind and owner of a folder the system recognises: the Trash, known
    // places, the per-application folders of Library, of the XDG cache, config
    // and data folders and of ~/.var/app, application and virtual machine
    // bundles, photo libraries and build folders with their marker beside
    // them. siblings are the names of the entries of the folder's parent.
    std::optional<FolderMatch> folderMatch(std::string_view path, std::string_view name,
                                           std::span<const std::string_view> siblings) const;

    // The kind of a file from its name alone; other when nothing matches.
    static FileKind fileKind(std::string_view name);

    // The first component below home, the owner of loose files; "/" for home
    // itself and for paths outside it.
    std::string topFolder(std::string_view path) const;

    // A display name for an application folder name such as a bundle
    // identifier ("com.example.Editor" gives "Editor").
    static std::string appName(std::string_view name);

    // The kind implied by a well-known application name fragment, if any.
    static std::optional<FileKind> familyKind(std::string_view name);

    // The names of which at least one must stand beside a build folder of that
    // name ("package.json" for "node_modules"); null for any other name.
    static const std::vector<std::string_view>* buildFolderMarkers(std::string_view name);

  private:
    // Hashes std::string and std::string_view alike, so that a lookup needs no copy.
    struct PathHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view path) const {
            return std::hash<std::string_view>{}(path);
        }
    };
    template <typename Value>
    using PathMap = std::unordered_map<std::string, Value, PathHash, std::equal_to<>>;

    // The part of a normalised path below home, or nothing when it is not below.
    std::optional<std::string_view> relativePath(std::string_view normalizedPath) const;
    std::optional<FolderMatch> placeMatch(std::string_view path) const;

    std::string home_;
    std::string trashFolder_;
    // By absolute path.
    PathMap<FolderMatch> knownFolders_;
    // Folders whose every child folder belongs to the application it names,
    // with the kind of such a child when its name implies no family.
    PathMap<FileKind> applicationFolders_;
};

}  // namespace tandor
