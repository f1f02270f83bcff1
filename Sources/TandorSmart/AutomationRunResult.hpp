#pragma once

#include <optional>
#include <string>

#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/StorageCategory.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorSmart/AutomationPreview.hpp"
#include "TandorSmart/EnabledAutomation.hpp"

namespace tandor {

// One automation's run: the automation as it was passed in, the preview taken by
// the run, the verdict and the category its suggestion goes under.
struct AutomationRunResult {
    struct Status {
        enum class Case { needsNewPreview, ready, nothingToDo };

        // The rule now picks much more than was approved; reason says how much.
        static Status needsNewPreview(std::string reason) {
            return {Case::needsNewPreview, std::move(reason)};
        }
        static Status ready() { return {Case::ready, {}}; }
        // The rule picks nothing now.
        static Status nothingToDo() { return {Case::nothingToDo, {}}; }

        Case statusCase;
        // English; empty unless the case is needsNewPreview.
        std::string reason;

        friend bool operator==(const Status&, const Status&) = default;
    };

    EnabledAutomation automation;
    AutomationPreview preview;
    Status status;
    StorageCategory category;

    // For a ready result, what goes onto the pile: the rule's id, title,
    // category, safety and summary (as reason), the preview's evidence then the
    // rule's why lines, and the preview's items; nothing otherwise.
    std::optional<Suggestion> suggestion() const;

    // For a file filter, downloads when its folder begins with "Downloads" or
    // is, or lies in, one of the Downloads folders of places (a localised one
    // included), else other; a built-in rule's own category, other for an
    // unknown id.
    static StorageCategory categoryOf(const AutomationRule& rule, const HomePlaces& places);
};

}  // namespace tandor
