#pragma once

#include <string_view>

namespace tandor::Wildcard {

// Whether a name matches a pattern in which "*" stands for any run of
// characters, the empty run included. Without a "*" the name must equal the
// pattern. The pieces between stars must occur in order without overlapping
// ("ab*b" does not match "ab"). Comparison is byte for byte, case-sensitive.
bool matches(std::string_view name, std::string_view pattern);

}  // namespace tandor::Wildcard
