#pragma once

#include <optional>
#include <string_view>

namespace tandor::OnboardingFlow {

// The three steps of a first launch, in order.
enum class Step { tour, access, ready };

std::string_view rawValue(Step step);

// What the disk-access page shows. `instructions` only where the permission
// and the page of settings that grants it exist; where they do not (this
// platform), `plain` says what Tandor can read instead.
enum class AccessForm { granted, instructions, plain };

std::string_view rawValue(AccessForm form);
AccessForm accessForm(bool granted, bool hasSettingsAddress);

// The ready page's note that the permission is off: only where the user could
// turn it on.
bool showsAccessOffNote(AccessForm form);

// The buttons that move between steps ("Scan Home Folder" ends the flow).
enum class Action { tourDone, back, skipForNow, continueToReady };

// The step after pressing `action` on `step` with the access page in `form`;
// none when that step shows no such button.
std::optional<Step> next(Step step, Action action, AccessForm form);

}  // namespace tandor::OnboardingFlow
