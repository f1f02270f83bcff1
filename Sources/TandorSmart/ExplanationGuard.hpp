#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TandorSmart/ExplanationFacts.hpp"

namespace tandor::ExplanationGuard {

// Whether a model's answer may be shown for these facts: after trimming it is
// not empty, at most 400 characters (grapheme clusters) long, every number in
// it occurs in the facts block, and for an item that needs review it does not
// call the item safe to remove unless it also says "not safe".
bool accepts(std::string_view answer, const ExplanationFacts& facts);

// The number tokens of text in order, duplicates kept: runs of numeric
// characters and the full stops between them, without a final full stop
// ("1.5 GB in 12 items." gives 1.5 and 12; "2,500" gives 2 and 500).
std::vector<std::string> numbers(std::string_view text);

}  // namespace tandor::ExplanationGuard
