#pragma once

#include <optional>
#include <string>

// The places an assistant may never propose for the pile, since moving them
// to the Trash would wreck the home folder, Tandor itself or the Trash.
namespace tandor::protectedPlaces {

// Why path (absolute and normalised) may not be proposed, or nothing: the home
// folder and every folder holding it; Tandor's support folder, anything in it
// and every folder holding it; the same for the home Trash. Each place is
// compared as written and with its symbolic links resolved, so that no link
// leads into it. A link is judged by where it lies, not where it points: the
// link itself is what would move.
std::optional<std::string> refusal(const std::string& path);

}  // namespace tandor::protectedPlaces
