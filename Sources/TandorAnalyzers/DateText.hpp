#pragma once

#include <string>

#include "TandorCore/Date.hpp"

namespace tandor::DateText {

// The calendar day of date in UTC as "yyyy-MM-dd", whatever the locale.
std::string string(Date date);

}  // namespace tandor::DateText
