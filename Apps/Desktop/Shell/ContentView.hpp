#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>

#include "Shell/ScanModel.hpp"

namespace tandor {

// The routing of the main view as plain functions, so that the
// table of phases and tabs is tested without a display. ContentView.qml asks
// ContentViewModel, which answers from here.
namespace ContentView {

// The eight tabs, in the order of the tab strip.
enum class Tab { suggestions, categories, browse, swipe, duplicates, smart, systemData, history };

inline constexpr std::array<Tab, 8> allTabs = {Tab::suggestions, Tab::categories, Tab::browse,
                                               Tab::swipe,       Tab::duplicates, Tab::smart,
                                               Tab::systemData,  Tab::history};

// The English title, which is also the raw value ("System Data").
std::string_view rawValue(Tab tab);
// The tab of exactly this title; none for anything else.
std::optional<Tab> tabFromRawValue(std::string_view rawValue);
// The name of the tab strip's icon (see SymbolIcon and TabIcon.qml).
std::string_view symbol(Tab tab);

// What fills the content area under the header.
enum class Route {
    emptyState,   // idle: the pre-scan welcome
    progress,     // scanning: the scan progress view
    failure,      // failed: the message in red
    suggestions,  // ready, Suggestions
    categories,   // ready, Categories
    systemData,   // ready, System Data
    duplicates,   // ready, Duplicates
    smart,        // ready, Smart
    swipe,        // ready, Swipe with a tree
    browse,       // ready, Browse with a tree
    nothing,      // ready, Swipe or Browse without a tree
    history,      // History, in every phase
};

std::string_view routeName(Route route);

// History first, then the phase, then in the ready
// phase the first matching rule of the ordered list.
Route route(ScanModel::Phase phase, Tab tab, bool hasRoot);

// The summary header shows only in the ready phase, never on History.
bool showsHeader(ScanModel::Phase phase, Tab tab);

}  // namespace ContentView
}  // namespace tandor
