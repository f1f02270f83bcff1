#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TandorApps/AppBundle.hpp"
#include "TandorApps/Leftover.hpp"
#include "TandorApps/LeftoverFinder.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorScanner/LastUsedReader.hpp"

namespace tandor {

// What removing one application involves: the bundle with its size, its
// leftovers and when it was last opened. A snapshot taken by make; it touches
// no file afterwards.
struct UninstallPlan {
    AppBundle app;
    // Allocated size of the whole bundle; 0 when it could not be measured.
    std::int64_t appBytes = 0;
    // Largest first.
    std::vector<Leftover> leftovers;
    std::optional<Date> lastOpened;

    // Measures the bundle, finds its leftovers and reads its last-used date.
    // Slow (it walks the bundle and every leftover); never fails.
    static UninstallPlan make(const AppBundle& app, const LeftoverFinder& finder,
                              const LastUsedReader& lastUsed);

    // The bundle and every leftover, chosen or not.
    std::int64_t totalBytes() const;
    // The paths of the leftovers matched by bundle identifier.
    std::set<std::string> defaultSelection() const;

    // One suggestion with the bundle first and then the chosen leftovers
    // (those of selection, or of defaultSelection when it is absent) in plan
    // order; paths that are not leftovers of this plan are ignored. Absent for
    // a protected application, whatever the selection.
    std::optional<Suggestion> suggestion(const std::optional<std::set<std::string>>& selection,
                                         Date now) const;
};

}  // namespace tandor
