#include "Onboarding/TutorialTour.hpp"

namespace tandor::TutorialTour {
namespace {

bool isLastPage(int page) {
    return page >= count - 1;
}

}  // namespace

std::string_view rawValue(Button button) {
    switch (button) {
        case Button::skip:
            return "Skip";
        case Button::back:
            return "Back";
        case Button::next:
            return "Next";
        case Button::getStarted:
            return "Get Started";
    }
    return "Next";
}

Button leadingButton(int page) {
    return page <= 0 ? Button::skip : Button::back;
}

Button mainButton(int page) {
    return isLastPage(page) ? Button::getStarted : Button::next;
}

std::optional<int> pageAfter(int page, Button button) {
    switch (button) {
        case Button::back:
            return page > 0 ? std::optional(page - 1) : std::nullopt;
        case Button::next:
            return isLastPage(page) ? std::nullopt : std::optional(page + 1);
        case Button::skip:
        case Button::getStarted:
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> pageAfterKey(int page, Key key) {
    if (key == Key::left) {
        return page > 0 ? std::optional(page - 1) : std::nullopt;
    }
    return isLastPage(page) ? std::nullopt : std::optional(page + 1);
}

}  // namespace tandor::TutorialTour
