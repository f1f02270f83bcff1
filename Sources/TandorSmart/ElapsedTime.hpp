#pragma once

#include "TandorCore/Date.hpp"

namespace tandor {

// Seconds from `from` to `to`, negative when `to` is earlier. Exact for whole
// seconds; dates too far apart to subtract give an infinite answer of the
// right sign instead of overflowing. Dates read from files may be anything.
double secondsBetween(Date from, Date to);

}  // namespace tandor
