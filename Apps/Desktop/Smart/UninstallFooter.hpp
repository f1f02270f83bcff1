#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "TandorApps/UninstallPlan.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewPile.hpp"

namespace tandor {

// What the footer of an application's detail shows for the leftovers chosen
// and the pile as it is: at most one note, the button and the count line.
struct UninstallFooter {
    enum class Note { none, appleApp, quitFirst };

    Note note = Note::none;
    // The application with the chosen leftovers; none for a protected one.
    std::optional<Suggestion> suggestion;
    // Every item of the suggestion is on the pile by its exact path.
    bool inPile = false;
    bool canAdd = false;

    static UninstallFooter make(const UninstallPlan& plan, const std::set<std::string>& chosen,
                                const ReviewPile& pile, bool running, Date now);
};

}  // namespace tandor
