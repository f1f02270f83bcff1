#pragma once

#include <string>
#include <vector>

#include "TandorSmart/Explainer.hpp"

namespace tandor {

// Explains from fixed English sentences; always available, never throws.
class TemplateExplainer final : public Explainer {
  public:
    // "<title> takes <size>.", the reason unchanged, and one sentence on safety.
    static std::vector<std::string> sentences(const ExplanationFacts& facts);

    bool isAvailable() const override { return true; }
    // The three sentences joined with one blank.
    Explanation explain(const ExplanationFacts& facts) const override;
};

}  // namespace tandor
