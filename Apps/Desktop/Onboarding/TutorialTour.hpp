#pragma once

#include <optional>
#include <string_view>

// The tour's paging rules as plain functions of the page index, so that the
// buttons and keys of every page are tested without a display.
namespace tandor::TutorialTour {

inline constexpr int count = 4;

// The footer's buttons; their raw values are the English texts.
enum class Button { skip, back, next, getStarted };

std::string_view rawValue(Button button);

// "Skip" on the first page, "Back" on every later one.
Button leadingButton(int page);
// "Next", or "Get Started" on the last page. Return presses it.
Button mainButton(int page);

// The page a button leads to; none when it ends the tour ("Skip",
// "Get Started").
std::optional<int> pageAfter(int page, Button button);

enum class Key { left, right };

// The page the arrow key leads to; none when it changes nothing (the first
// page's left arrow, the last page's right arrow: the tour does not end by
// arrow). Either way the key is consumed.
std::optional<int> pageAfterKey(int page, Key key);

}  // namespace tandor::TutorialTour
