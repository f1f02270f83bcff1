#include "Smart/UninstallFooter.hpp"

#include <algorithm>

namespace tandor {

UninstallFooter UninstallFooter::make(const UninstallPlan& plan,
                                      const std::set<std::string>& chosen, const ReviewPile& pile,
                                      bool running, Date now) {
    UninstallFooter footer;
    footer.note = plan.app.isProtected() ? Note::appleApp : running ? Note::quitFirst : Note::none;
    footer.suggestion = plan.suggestion(chosen, now);
    if (footer.suggestion) {
        const auto& items = footer.suggestion->items;
        footer.inPile = std::all_of(items.begin(), items.end(), [&](const SuggestionItem& item) {
            return pile.contains(item.path);
        });
    }
    footer.canAdd = footer.suggestion && !running && !footer.inPile;
    return footer;
}

}  // namespace tandor
