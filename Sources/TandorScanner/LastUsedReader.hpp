#pragma once

#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor {

// Tells when the item at a path was last used. Every caller accepts an absent
// date: not every item has one.
class LastUsedReader {
  public:
    virtual ~LastUsedReader() = default;

    // path is absolute; absent when nothing is known of it.
    virtual std::optional<Date> lastUsedDate(const std::string& path) const = 0;
};

}  // namespace tandor
