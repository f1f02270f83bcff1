#include "Shell/ContentView.hpp"

namespace tandor::ContentView {

std::string_view rawValue(Tab tab) {
    switch (tab) {
        case Tab::suggestions:
            return "Suggestions";
        case Tab::categories:
            return "Categories";
        case Tab::browse:
            return "Browse";
        case Tab::swipe:
            return "Swipe";
        case Tab::duplicates:
            return "Duplicates";
        case Tab::smart:
            return "Smart";
        case Tab::systemData:
            return "System Data";
        case Tab::history:
            return "History";
    }
    return "Suggestions";
}

std::optional<Tab> tabFromRawValue(std::string_view value) {
    for (const Tab tab : allTabs) {
        if (rawValue(tab) == value) {
            return tab;
        }
    }
    return std::nullopt;
}

std::string_view symbol(Tab tab) {
    switch (tab) {
        case Tab::suggestions:
            return "sparkles";
        case Tab::categories:
            return "square.grid.2x2";
        case Tab::browse:
            return "folder";
        case Tab::swipe:
            return "hand.draw";
        case Tab::duplicates:
            return "doc.on.doc";
        case Tab::smart:
            return "wand.and.stars";
        case Tab::systemData:
            return "internaldrive";
        case Tab::history:
            return "clock.arrow.circlepath";
    }
    return "sparkles";
}

std::string_view routeName(Route route) {
    switch (route) {
        case Route::emptyState:
            return "emptyState";
        case Route::progress:
            return "progress";
        case Route::failure:
            return "failure";
        case Route::suggestions:
            return "suggestions";
        case Route::categories:
            return "categories";
        case Route::systemData:
            return "systemData";
        case Route::duplicates:
            return "duplicates";
        case Route::smart:
            return "smart";
        case Route::swipe:
            return "swipe";
        case Route::browse:
            return "browse";
        case Route::nothing:
            return "nothing";
        case Route::history:
            return "history";
    }
    return "nothing";
}

namespace {

// the ready phase: the order of the rules is part of the
// behaviour.
Route readyRoute(Tab tab, bool hasRoot) {
    if (tab == Tab::suggestions) {
        return Route::suggestions;
    }
    if (tab == Tab::categories) {
        return Route::categories;
    }
    if (tab == Tab::systemData) {
        return Route::systemData;
    }
    if (tab == Tab::duplicates) {
        return Route::duplicates;
    }
    if (tab == Tab::smart) {
        return Route::smart;
    }
    if (tab == Tab::swipe && hasRoot) {
        return Route::swipe;
    }
    // Only Browse reaches this rule with a tree: Swipe without one shows nothing.
    if (hasRoot) {
        return Route::browse;
    }
    return Route::nothing;
}

}  // namespace

Route route(ScanModel::Phase phase, Tab tab, bool hasRoot) {
    if (tab == Tab::history) {
        return Route::history;
    }
    switch (phase) {
        case ScanModel::Phase::idle:
            return Route::emptyState;
        case ScanModel::Phase::scanning:
            return Route::progress;
        case ScanModel::Phase::failed:
            return Route::failure;
        case ScanModel::Phase::ready:
            return readyRoute(tab, hasRoot);
    }
    return Route::nothing;
}

bool showsHeader(ScanModel::Phase phase, Tab tab) {
    return phase == ScanModel::Phase::ready && tab != Tab::history;
}

}  // namespace tandor::ContentView
