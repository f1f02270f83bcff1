#pragma once

#include <stdexcept>
#include <stop_token>

namespace tandor {

// The one error the finders let escape: the search was asked to stop. Whoever
// catches it drops every partial result of that search.
class CancellationError : public std::runtime_error {
  public:
    CancellationError();

    // Throws CancellationError when a stop has been requested through stop;
    // a token without a stop source never throws.
    static void checkCancellation(const std::stop_token& stop);
};

}  // namespace tandor
