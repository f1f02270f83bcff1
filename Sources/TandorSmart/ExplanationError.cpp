#include "TandorSmart/ExplanationError.hpp"

namespace tandor {

ExplanationError ExplanationError::unavailable() {
    return {Case::unavailable, "The on-device language model is not available."};
}

ExplanationError ExplanationError::ungrounded() {
    return {Case::ungrounded, "The explanation is not backed by the facts."};
}

}  // namespace tandor
