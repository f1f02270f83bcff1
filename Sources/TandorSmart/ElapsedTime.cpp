#include "TandorSmart/ElapsedTime.hpp"

#include <limits>
#include <ratio>

namespace tandor {

double secondsBetween(Date from, Date to) {
    using Ticks = Date::duration;
    Ticks::rep elapsed = 0;
    if (__builtin_sub_overflow(to.time_since_epoch().count(), from.time_since_epoch().count(),
                               &elapsed)) {
        return to > from ? std::numeric_limits<double>::infinity()
                         : -std::numeric_limits<double>::infinity();
    }
    return std::chrono::duration<double>(Ticks(elapsed)).count();
}

}  // namespace tandor
