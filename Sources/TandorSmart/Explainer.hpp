#pragma once

#include "TandorSmart/Explanation.hpp"
#include "TandorSmart/ExplanationFacts.hpp"

namespace tandor {

// Writes an explanation from facts alone. Implementations are called from any
// thread, possibly at once.
class Explainer {
  public:
    virtual ~Explainer() = default;

    // Whether explain may be asked at this moment.
    virtual bool isAvailable() const = 0;
    // May throw; the explanation service then asks the next explainer.
    virtual Explanation explain(const ExplanationFacts& facts) const = 0;
};

}  // namespace tandor
