#include "History/RuleTitle.hpp"

#include <string_view>

#include "TandorDuplicates/DuplicateGroup.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"
#include "TandorReview/SwipeDeckKind.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmart/BuiltInRuleTitles.hpp"

namespace tandor::RuleTitle {
namespace {

constexpr std::string_view swipePrefix = "swipe.";
constexpr std::string_view assistantID = "assistant";

QString engineTitle(std::string_view title) {
    return ui::Texts::localized(ui::fromEngine(title));
}

}  // namespace

QString shown(const std::string& ruleID) {
    if (const auto title = BuiltInRuleTitles::title(ruleID)) {
        return engineTitle(*title);
    }
    if (ruleID.starts_with(swipePrefix)) {
        const auto deck =
            swipeDeckKindFromRawValue(std::string_view(ruleID).substr(swipePrefix.size()));
        return deck ? engineTitle(title(*deck)) : QString();
    }
    if (ruleID == DuplicateGroup::ruleID) {
        return engineTitle(DuplicateGroup::title);
    }
    if (ruleID == SimilarPhotoGroup::ruleID) {
        return engineTitle(SimilarPhotoGroup::title);
    }
    if (ruleID == assistantID) {
        return ui::Texts::tr(QStringLiteral("Proposed by your assistant"));
    }
    // Uninstalls, sorting folders and the user's own automations have no title
    // the id can give: nothing rather than a raw id.
    return {};
}

}  // namespace tandor::RuleTitle
