#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileKind.hpp"

namespace tandor {

// Names what a file or folder of a scanned tree is, from names and
// home-relative paths alone: it never touches the disk. Its tables are
// constants built once on first use, safely from any thread.
class FileClassifier {
  public:
    // The kind of a recognised folder and who it belongs to (a display name).
    struct FolderMatch {
        FileKind kind;
        std::string owner;

        friend bool operator==(const FolderMatch&, const FolderMatch&) = default;
    };

    // Keeps home normalised; the Trash is home's freedesktop.org Trash
    // (trashFolderPath), wherever XDG_DATA_HOME puts it.
    explicit FileClassifier(std::string_view home);
    // Keeps both paths normalised.
    FileClassifier(std::string_view home, std::string_view trashFolder);

    const std::string& home() const { return home_; }
    const std::string& trashFolder() const { return trashFolder_; }

    // The kind and owner of a folder the system recognises: the Trash, known
    // places below home, the per-application folders of Library, application and virtual
    // machine bundles, photo libraries and build folders with their marker
    // beside them. siblings are the names of the entries of the folder's parent.
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
    // The part of a normalised path below home, or nothing when it is not below.
    std::optional<std::string_view> relativePath(std::string_view normalizedPath) const;
    std::optional<FolderMatch> homeFolderMatch(std::string_view path) const;

    std::string home_;
    std::string trashFolder_;
};

}  // namespace tandor
