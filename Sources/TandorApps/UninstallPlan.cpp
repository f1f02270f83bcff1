#include "TandorApps/UninstallPlan.hpp"

#include <algorithm>

#include "TandorApps/MeasuredBytes.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorScanner/LastUsedText.hpp"

namespace tandor {
namespace {

std::int64_t sumOfBytes(const std::vector<Leftover>& leftovers) {
    std::int64_t total = 0;
    for (const auto& leftover : leftovers) {
        total = saturatingAdd(total, leftover.bytes);
    }
    return total;
}

std::string sizeLine(std::int64_t appBytes, const std::vector<Leftover>& chosen) {
    return "App " + ByteFormat::string(appBytes) + ", " + std::to_string(chosen.size()) +
           " leftover " + (chosen.size() == 1 ? "item" : "items") + " " +
           ByteFormat::string(sumOfBytes(chosen));
}

std::vector<Evidence> evidence(const UninstallPlan& plan, const std::vector<Leftover>& chosen,
                               Date now) {
    const auto& app = plan.app;
    std::vector<Evidence> lines{Evidence::observed(sizeLine(plan.appBytes, chosen))};
    if (plan.lastOpened) {
        lines.push_back(Evidence::observed(LastUsedText::describe(plan.lastOpened, now)));
    }
    if (app.version) {
        lines.push_back(Evidence::observed("Version " + *app.version + ", " + app.bundleID));
    }
    const auto byName = std::count_if(chosen.begin(), chosen.end(), [](const Leftover& leftover) {
        return leftover.match == Leftover::Match::name;
    });
    if (byName > 0) {
        lines.push_back(Evidence::inferred(
            std::to_string(byName) +
            " of them matched by name only: check they are not used by another app"));
    }
    lines.push_back(Evidence::inferred(
        app.fromAppStore
            ? "From the App Store: you can download it again for free from your purchases."
            : "To get it back, download it again from the developer. Its settings come back from "
              "the Trash or the history."));
    lines.push_back(Evidence::inferred("Quit the app before uninstalling it."));
    return lines;
}

std::vector<SuggestionItem> items(const UninstallPlan& plan, const std::vector<Leftover>& chosen) {
    std::vector<SuggestionItem> result{{plan.app.path, plan.appBytes, std::nullopt, std::nullopt}};
    for (const auto& leftover : chosen) {
        result.push_back({leftover.path, leftover.bytes, std::nullopt, std::nullopt});
    }
    return result;
}

}  // namespace

UninstallPlan UninstallPlan::make(const AppBundle& app, const LeftoverFinder& finder,
                                  const LastUsedReader& lastUsed) {
    return UninstallPlan{app, measuredBytes(app.path), finder.leftovers(app),
                         lastUsed.lastUsedDate(app.path)};
}

std::int64_t UninstallPlan::totalBytes() const {
    return saturatingAdd(appBytes, sumOfBytes(leftovers));
}

std::set<std::string> UninstallPlan::defaultSelection() const {
    std::set<std::string> selection;
    for (const auto& leftover : leftovers) {
        if (leftover.match == Leftover::Match::bundleID) {
            selection.insert(leftover.path);
        }
    }
    return selection;
}

std::optional<Suggestion> UninstallPlan::suggestion(
    const std::optional<std::set<std::string>>& selection, Date now) const {
    if (app.isProtected()) {
        return std::nullopt;
    }
    const auto chosenPaths = selection ? *selection : defaultSelection();
    std::vector<Leftover> chosen;
    std::copy_if(
        leftovers.begin(), leftovers.end(), std::back_inserter(chosen),
        [&chosenPaths](const Leftover& leftover) { return chosenPaths.contains(leftover.path); });
    return Suggestion("uninstall." + app.bundleID, "Uninstall " + app.name, StorageCategory::apps,
                      std::nullopt, SafetyLevel::needsReview,
                      "Removes the app and the files it left in your Library.",
                      evidence(*this, chosen, now), items(*this, chosen));
}

}  // namespace tandor
