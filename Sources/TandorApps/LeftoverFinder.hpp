#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TandorApps/AppBundle.hpp"
#include "TandorApps/Leftover.hpp"
#include "TandorCore/HomePlaces.hpp"

namespace tandor {

// Finds what an application left in thirteen folders of the home folder's
// Library and in the platform's places (the configuration, data, cache and
// state folders, the Flatpak sandboxes and the menu entries), by identifier
// and, in six of them, by name. Never proposes the home or a base folder
// itself, nor the Trash or Tandor's own folders. Only reads.
class LeftoverFinder {
  public:
    // The platform's places at their defaults below home (normalised).
    explicit LeftoverFinder(std::string_view home);
    explicit LeftoverFinder(HomePlaces places);

    const std::string& home() const { return places_.home(); }

    // Every leftover of app, each measured on disk, largest first; equal sizes
    // keep table order, then listing order. A location that cannot be listed
    // is skipped; a leftover that cannot be measured has 0 bytes. Slow: it
    // walks every match. Never fails.
    std::vector<Leftover> leftovers(const AppBundle& app) const;

  private:
    // Whether path may be offered: it neither is nor holds a base folder or
    // a kept folder, and lies in no kept folder.
    bool mayPropose(const std::string& path) const;

    HomePlaces places_;
    // Folders whose entries may be leftovers but that are never one whole.
    std::vector<std::string> baseFolders_;
    // The Trash and Tandor's own folders: nothing in them is a leftover.
    std::vector<std::string> keptFolders_;
};

}  // namespace tandor
