#pragma once

#include <functional>
#include <string>
#include <vector>

#include "TandorApps/AppBundle.hpp"

// Finds the applications installed for the user. Keeps no state, only reads
// the disk, and may run on any thread.
namespace tandor::InstalledApps {

// True when the first name goes strictly before the second.
using NameOrder = std::function<bool(const std::string&, const std::string&)>;

// Compares the composed (NFC), lower-cased names by their Unicode scalars. The
// application passes a collator of the user's language instead.
bool defaultNameOrder(const std::string& a, const std::string& b);

// "/Applications", then home joined with "Applications".
std::vector<std::string> defaultFolders(const std::string& home);

// Every readable ".app" bundle directly in the folders or one folder level
// below them (an entry whose name ends in ".app" is never searched inside),
// sorted stably by name with order; equal names keep the order found. A folder
// that cannot be listed is skipped; the same application found twice is listed
// twice. Never fails.
std::vector<AppBundle> list(const std::vector<std::string>& folders,
                            const NameOrder& order = defaultNameOrder);

}  // namespace tandor::InstalledApps
