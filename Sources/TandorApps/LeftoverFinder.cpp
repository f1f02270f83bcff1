#include "TandorApps/LeftoverFinder.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_set>

#include "TandorApps/FolderEntries.hpp"
#include "TandorApps/MeasuredBytes.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

struct Location {
    // Relative to the home folder.
    std::string_view folder;
    std::string_view title;
    // Entries may also match by the application's names.
    bool byName;
    // Of entries matched by bundle identifier.
    SafetyLevel safety;
    std::string_view reason;
};

constexpr std::array<Location, 13> locations{{
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
}};

// What ties one application to entries: its identifier and names, lower-cased.
struct Signature {
    std::string identifier;
    std::vector<std::string> names;
};

Signature signatureOf(const AppBundle& app) {
    Signature signature{unicode::lowercased(app.bundleID), {}};
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
        entry == identifier || entry.starts_with(identifier + ".") ||
        (location.folder.ends_with("Group Containers") && entry.ends_with("." + identifier));
    if (carriesIdentifier) {
        return Decision{Leftover::Match::bundleID, location.safety};
    }
    if (location.byName &&
        std::find(signature.names.begin(), signature.names.end(), entry) != signature.names.end()) {
        return Decision{Leftover::Match::name, SafetyLevel::needsReview};
    }
    return std::nullopt;
}

}  // namespace

LeftoverFinder::LeftoverFinder(std::string_view home) : home_(FileNode::normalize(home)) {
}

std::vector<Leftover> LeftoverFinder::leftovers(const AppBundle& app) const {
    const auto signature = signatureOf(app);
    std::vector<Leftover> found;
    std::unordered_set<std::string> seen;
    for (const auto& location : locations) {
        const auto folder = paths::join(home_, location.folder);
        const auto names = folderEntries(folder);
        if (!names) {
            continue;
        }
        for (const auto& name : *names) {
            const auto decision = decide(unicode::lowercased(name), signature, location);
            if (!decision) {
                continue;
            }
            auto path = paths::join(folder, name);
            if (!seen.insert(path).second) {
                continue;
            }
            const auto bytes = measuredBytes(path);
            found.push_back(Leftover{std::move(path), bytes, std::string(location.title),
                                     decision->match, decision->safety,
                                     std::string(location.reason)});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Leftover& a, const Leftover& b) { return a.bytes > b.bytes; });
    return found;
}

}  // namespace tandor
