#include "TandorDuplicates/CancellationError.hpp"

namespace tandor {

CancellationError::CancellationError() : std::runtime_error("The search was cancelled") {
}

void CancellationError::checkCancellation(const std::stop_token& stop) {
    if (stop.stop_requested()) {
        throw CancellationError();
    }
}

}  // namespace tandor
