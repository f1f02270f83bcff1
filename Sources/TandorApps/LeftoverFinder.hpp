#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TandorApps/AppBundle.hpp"
#include "TandorApps/Leftover.hpp"

namespace tandor {

// Finds what an application left in thirteen folders of the home folder's
// Library, by bundle identifier and, in three of them, by name. Only reads.
class LeftoverFinder {
  public:
    // Keeps home normalised.
    explicit LeftoverFinder(std::string_view home);

    const std::string& home() const { return home_; }

    // Every leftover of app, each measured on disk, largest first; equal sizes
    // keep table order, then listing order. A location that cannot be listed
    // is skipped; a leftover that cannot be measured has 0 bytes. Slow: it
    // walks every match. Never fails.
    std::vector<Leftover> leftovers(const AppBundle& app) const;

  private:
    std::string home_;
};

}  // namespace tandor
