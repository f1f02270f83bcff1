#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>

namespace tandor {

// One installed application, described by what its bundle declares.
struct AppBundle {
    // The ".app" folder as it was found (listed folder joined with the entry
    // name); not normalised.
    std::string path;
    // CFBundleIdentifier; never empty.
    std::string bundleID;
    // CFBundleDisplayName, else CFBundleName, else the bundle's file name
    // without ".app"; may be empty when a key holds an empty text.
    std::string name;
    // CFBundleShortVersionString when it is a text.
    std::optional<std::string> version;
    // The bundle carries an App Store receipt.
    bool fromAppStore = false;
    // CFBundleIconFile when it is a text: the icon's file name in
    // "Contents/Resources", with or without ".icns".
    std::optional<std::string> iconFile;

    // Reads the bundle at path; absent when path does not end in ".app" or its
    // "Contents/Info.plist" (XML or binary) is missing, too large, malformed,
    // not a dictionary, or has no non-empty text CFBundleIdentifier.
    static std::optional<AppBundle> read(const std::string& path);

    const std::string& id() const { return path; }

    // A system application, never offered for uninstalling: its identifier
    // begins "com.apple." or its path "/System/" (both case-sensitive).
    bool isProtected() const;

    // The names the application may have given folders of its own: name and
    // the bundle's file name without ".app", each only when it has more than 3
    // characters. Letter case is kept; callers compare without it.
    std::set<std::string> folderNames() const;

    friend bool operator==(const AppBundle&, const AppBundle&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::AppBundle> {
    std::size_t operator()(const tandor::AppBundle& app) const noexcept;
};
