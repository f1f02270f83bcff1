#include "TandorApps/LeftoverFinder.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_set>

#include "TandorApps/FolderEntries.hpp"
#include "TandorApps/MeasuredBytes.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

struct Location {
    // A place path (HomePlaces::resolve): relative to the home folder, or
    // below one of the platform's base folders.
    std::string_view folder;
    std::string_view title;
    // Entries may also match by the application's names.
    bool byName;
    // Of entries matched by bundle identifier.
    SafetyLevel safety;
    std::string_view reason;
};

constexpr std::array<Location, 19> locations{{
    {"Library/Application Support", "Application Support", true, SafetyLevel::needsReview,
     "Data the app created. May include documents or libraries you want to keep."},
    {"Library/Containers", "Containers", false, SafetyLevel::needsReview,
     "The app's sandbox, with its data and settings."},
    {"Library/Group Containers", "Group Containers", false, SafetyLevel::needsReview,
     "Data shared between apps of the same developer. Other apps may still use it."},
    {"Library/Preferences", "Preferences", false, SafetyLevel::needsReview,
     "The app's settings. Only needed if you install it again."},
    {"Library/Preferences/ByHost", "Preferences", false, SafetyLevel::needsReview,
     "The app's settings for this Mac. Only needed if you install it again."},
    {"Library/Application Scripts", "Application Scripts", false, SafetyLevel::regenerable,
     "Scripts folder the system creates for sandboxed apps."},
    {"Library/Caches", "Caches", true, SafetyLevel::regenerable,
     "Temporary data. Not needed without the app."},
    {"Library/HTTPStorages", "Web storage", false, SafetyLevel::regenerable,
     "Cookies and web data the app stored."},
    {"Library/WebKit", "Web storage", false, SafetyLevel::regenerable,
     "Web content cache of the app."},
    {"Library/Cookies", "Cookies", false, SafetyLevel::regenerable, "Cookies the app stored."},
    {"Library/Saved Application State", "Saved window state", false, SafetyLevel::regenerable,
     "Window positions macOS restores when the app opens."},
    {"Library/Logs", "Logs", true, SafetyLevel::regenerable,
     "Log files. Only useful for debugging the app."},
    {"Library/LaunchAgents", "Login items", false, SafetyLevel::needsReview,
     "Starts a helper of the app at login. Without the app it only fails in the background."},
    {"$XDG_CONFIG_HOME", "Configuration", true, SafetyLevel::needsReview,
     "The app's settings; some apps keep all their data here too."},
    {"$XDG_DATA_HOME", "App data", true, SafetyLevel::needsReview,
     "Data the app created. May include documents or libraries you want to keep."},
    {"$XDG_CACHE_HOME", "Caches", true, SafetyLevel::regenerable,
     "Temporary data. Not needed without the app."},
    {"$XDG_STATE_HOME", "State", true, SafetyLevel::needsReview,
     "History, logs and window state the app keeps between runs."},
    {".var/app", "Flatpak sandbox", false, SafetyLevel::needsReview,
     "The app's sandbox, with its data and settings."},
    {"$XDG_DATA_HOME/applications", "Menu entry", false, SafetyLevel::needsReview,
     "Shows the app in the applications menu. Without the app it starts nothing."},
}};

// What ties one application to entries: its identifier and names, lower-cased.
struct Signature {
    // Absent when the application has no identifier of its own.
    std::optional<std::string> identifier;
    std::vector<std::string> names;
};

Signature signatureOf(const AppBundle& app) {
    Signature signature{
        app.hasOwnIdentifier() ? std::optional(unicode::lowercased(app.bundleID)) : std::nullopt,
        {}};
    for (const auto& name : app.folderNames()) {
        signature.names.push_back(unicode::lowercased(name));
    }
    return signature;
}

struct Decision {
    Leftover::Match match;
    SafetyLevel safety;
};

// The first rule that ties the lower-cased entry name to the application.
std::optional<Decision> decide(const std::string& entry, const Signature& signature,
                               const Location& location) {
    const auto& identifier = signature.identifier;
    const bool carriesIdentifier =
        identifier &&
        (entry == *identifier || entry.starts_with(*identifier + ".") ||
         (location.folder.ends_with("Group Containers") && entry.ends_with("." + *identifier)));
    if (carriesIdentifier) {
        return Decision{Leftover::Match::bundleID, location.safety};
    }
    if (location.byName &&
        std::find(signature.names.begin(), signature.names.end(), entry) != signature.names.end()) {
        return Decision{Leftover::Match::name, SafetyLevel::needsReview};
    }
    return std::nullopt;
}

struct Candidate {
    std::string path;
    Decision decision;
};

// The entries of folder that the location's rules tie to the application, in
// listing order; none when the folder cannot be listed.
std::vector<Candidate> candidatesIn(const std::string& folder, const Location& location,
                                    const Signature& signature) {
    std::vector<Candidate> candidates;
    for (const auto& name : folderEntries(folder).value_or(std::vector<std::string>{})) {
        if (const auto decision = decide(unicode::lowercased(name), signature, location)) {
            candidates.push_back({paths::join(folder, name), *decision});
        }
    }
    return candidates;
}

bool isOrHolds(const std::string& path, const std::string& folder) {
    return path == folder || paths::isInside(folder, path);
}

}  // namespace

LeftoverFinder::LeftoverFinder(std::string_view home)
    : LeftoverFinder(HomePlaces(FileNode::normalize(home))) {
}

LeftoverFinder::LeftoverFinder(HomePlaces places) : places_(std::move(places)) {
    const auto& home = places_.home();
    baseFolders_ = {home,
                    places_.cacheHome(),
                    places_.configHome(),
                    places_.dataHome(),
                    places_.stateHome(),
                    paths::join(home, ".var/app"),
                    paths::join(places_.dataHome(), "applications")};
    keptFolders_ = {places_.trashFolder(), FileNode::normalize(supportFolderPath())};
    for (const auto& base :
         {places_.cacheHome(), places_.configHome(), places_.dataHome(), places_.stateHome()}) {
        keptFolders_.push_back(paths::join(base, "Tandor"));
    }
}

bool LeftoverFinder::mayPropose(const std::string& path) const {
    const auto isOrHoldsIt = [&path](const std::string& folder) { return isOrHolds(path, folder); };
    const auto liesInIt = [&path](const std::string& folder) {
        return paths::isInside(path, folder);
    };
    return std::none_of(baseFolders_.begin(), baseFolders_.end(), isOrHoldsIt) &&
           std::none_of(keptFolders_.begin(), keptFolders_.end(), isOrHoldsIt) &&
           std::none_of(keptFolders_.begin(), keptFolders_.end(), liesInIt);
}

std::vector<Leftover> LeftoverFinder::leftovers(const AppBundle& app) const {
    const auto signature = signatureOf(app);
    std::vector<Leftover> found;
    std::unordered_set<std::string> seen;
    for (const auto& location : locations) {
        for (const auto& folder : places_.resolve(location.folder)) {
            for (auto& [path, decision] : candidatesIn(folder, location, signature)) {
                if (!mayPropose(path) || !seen.insert(path).second) {
                    continue;
                }
                const auto bytes = measuredBytes(path);
                found.push_back(Leftover{std::move(path), bytes, std::string(location.title),
                                         decision.match, decision.safety,
                                         std::string(location.reason)});
            }
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Leftover& a, const Leftover& b) { return a.bytes > b.bytes; });
    return found;
}

}  // namespace tandor
