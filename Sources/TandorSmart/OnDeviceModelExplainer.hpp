#pragma once

#include <memory>
#include <string>

#include "TandorSmart/Explainer.hpp"
#include "TandorSmart/LanguageModel.hpp"

namespace tandor {

// Asks the on-device language model, giving it nothing but the facts block.
// Its answers are not checked here: the explanation service guards them.
class OnDeviceModelExplainer final : public Explainer {
  public:
    // Without a model (the default, and all this build has) the explainer is
    // never available and explain throws ExplanationError::unavailable.
    explicit OnDeviceModelExplainer(std::shared_ptr<const LanguageModel> model = nullptr);

    // The fixed instructions every session is opened with.
    static const std::string& instructions();

    bool isAvailable() const override;
    // The model's answer to facts.text(), trimmed of white space at both ends;
    // any error of the model is passed on unchanged.
    Explanation explain(const ExplanationFacts& facts) const override;

  private:
    std::shared_ptr<const LanguageModel> model_;
};

}  // namespace tandor
