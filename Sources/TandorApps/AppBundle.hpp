#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>

namespace tandor {

// One installed application: a ".app" bundle, described by what it declares,
// or an AppImage, described by the desktop entry that starts it.
struct AppBundle {
    enum class Kind { bundle, appImage };

    // The ".app" folder or the AppImage file as it was found (listed folder
    // joined with the entry name); not normalised.
    std::string path;
    // CFBundleIdentifier; never empty. For an AppImage the id of its desktop
    // entry, else its name.
    std::string bundleID;
    // CFBundleDisplayName, else CFBundleName, else the bundle's file name
    // without ".app"; may be empty when a key holds an empty text. For an
    // AppImage its desktop entry's Name=, else the name in its file name.
    std::string name;
    // CFBundleShortVersionString when it is a text.
    std::optional<std::string> version;
    // The bundle carries an App Store receipt.
    bool fromAppStore = false;
    // CFBundleIconFile when it is a text: the icon's file name in
    // "Contents/Resources", with or without ".icns". For an AppImage its
    // desktop entry's Icon=: an icon-theme name or an absolute path.
    std::optional<std::string> iconFile;
    Kind kind = Kind::bundle;
    // The desktop entry that starts an AppImage, when one does.
    std::optional<std::string> desktopEntry;

    // Reads the bundle at path; absent when path does not end in ".app" or its
    // "Contents/Info.plist" (XML or binary) is missing, too large, malformed,
    // not a dictionary, or has no non-empty text CFBundleIdentifier.
    static std::optional<AppBundle> read(const std::string& path);

    const std::string& id() const { return path; }

    // Whether bundleID is an identifier of the application's own, which its
    // files may carry: always for a bundle, for an AppImage only when a
    // desktop entry gave it (else it is only the name).
    bool hasOwnIdentifier() const { return kind == Kind::bundle || desktopEntry.has_value(); }

    // A system application, never offered for uninstalling: its identifier
    // begins "com.apple." or its path "/System/" (both case-sensitive).
    bool isProtected() const;

    // The names the application may have given folders of its own: name and
    // the bundle's file name without ".app" (for an AppImage, the name in its
    // file name), each only when it has more than 3 characters. Letter case is kept; callers
    // compare without it.
    std::set<std::string> folderNames() const;

    friend bool operator==(const AppBundle&, const AppBundle&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::AppBundle> {
    std::size_t operator()(const tandor::AppBundle& app) const noexcept;
};
