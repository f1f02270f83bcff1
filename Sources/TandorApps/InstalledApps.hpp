#pragma once

#include <functional>
#include <string>
#include <vector>

#include "TandorApps/AppBundle.hpp"
#include "TandorCore/HomePlaces.hpp"

// Finds the applications installed for the user. Keeps no state, only reads
// the disk, and may run on any thread.
namespace tandor::InstalledApps {

// True when the first name goes strictly before the second.
using NameOrder = std::function<bool(const std::string&, const std::string&)>;

// Where applications are looked for.
struct Places {
    // Searched for ".app" bundles, down to one subfolder level, and for
    // AppImages directly inside.
    std::vector<std::string> folders;
    // Holds the desktop entries ("*.desktop" directly inside) that name
    // AppImages; none are read when it is empty.
    std::string desktopEntryFolder;
    // Where a program that Exec= names without a "/" is looked for, in order
    // (the folders of $PATH).
    std::vector<std::string> programFolders;
};

// Compares the composed (NFC), lower-cased names by their Unicode scalars. The
// application passes a collator of the user's language instead.
bool defaultNameOrder(const std::string& a, const std::string& b);

// "/Applications", home/Applications and home/.local/bin; desktop entries in
// the data folder's "applications"; the absolute folders of $PATH.
Places defaultPlaces(const HomePlaces& home);

// Every readable ".app" bundle directly in the folders or one folder level
// below them (an entry whose name ends in ".app" is never searched inside),
// and every AppImage directly in them, sorted stably by name with order;
// equal names keep the order found. An AppImage takes its name, identifier
// and icon from the first desktop entry (by file name) whose Exec= program
// is the same file once links are resolved; else it is named after its file
// name. A folder that cannot be listed is skipped; the same application found
// twice is listed twice. Never fails.
std::vector<AppBundle> list(const Places& places, const NameOrder& order = defaultNameOrder);

}  // namespace tandor::InstalledApps
