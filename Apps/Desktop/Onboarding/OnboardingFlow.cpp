#include "Onboarding/OnboardingFlow.hpp"

namespace tandor::OnboardingFlow {

std::string_view rawValue(Step step) {
    switch (step) {
        case Step::tour:
            return "tour";
        case Step::access:
            return "access";
        case Step::ready:
            return "ready";
    }
    return "tour";
}

std::string_view rawValue(AccessForm form) {
    switch (form) {
        case AccessForm::granted:
            return "granted";
        case AccessForm::instructions:
            return "instructions";
        case AccessForm::plain:
            return "plain";
    }
    return "plain";
}

AccessForm accessForm(bool granted, bool hasSettingsAddress) {
    if (granted) {
        return AccessForm::granted;
    }
    return hasSettingsAddress ? AccessForm::instructions : AccessForm::plain;
}

bool showsAccessOffNote(AccessForm form) {
    return form == AccessForm::instructions;
}

std::optional<Step> next(Step step, Action action, AccessForm form) {
    switch (step) {
        case Step::tour:
            if (action == Action::tourDone) {
                return Step::access;
            }
            break;
        case Step::access:
            if (action == Action::back) {
                return Step::tour;
            }
            // "Skip for Now" stands where "Continue" would, never beside it.
            if (action ==
                (form == AccessForm::instructions ? Action::skipForNow : Action::continueToReady)) {
                return Step::ready;
            }
            break;
        case Step::ready:
            if (action == Action::back) {
                return Step::access;
            }
            break;
    }
    return std::nullopt;
}

}  // namespace tandor::OnboardingFlow
