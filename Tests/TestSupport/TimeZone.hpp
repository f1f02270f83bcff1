#pragma once

#include <time.h>

#include <optional>
#include <string>

#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::testing {

// Puts the process in a time zone (a TZ value) for the object's lifetime, and
// makes the C library read TZ again on the way in and on the way out.
class TimeZone {
  public:
    explicit TimeZone(const std::string& zone) {
        environment_.emplace().set("TZ", zone);
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;
    ~TimeZone() {
        environment_.reset();
        ::tzset();
    }

  private:
    std::optional<EnvironmentOverride> environment_;
};

}  // namespace tandor::testing
