#include "TandorSmart/OnDeviceModelExplainer.hpp"

#include "TandorSmart/ExplanationError.hpp"
#include "TandorSmart/TextTrimming.hpp"

namespace tandor {

OnDeviceModelExplainer::OnDeviceModelExplainer(std::shared_ptr<const LanguageModel> model)
    : model_(std::move(model)) {
}

const std::string& OnDeviceModelExplainer::instructions() {
    static const std::string text =
        "You explain disk cleanup suggestions to a non-technical computer user.\n"
        "Write two short sentences in plain English: what the item is, and whether removing it "
        "is safe.\n"
        "Use only the facts you are given. Do not invent numbers, dates, file names or app "
        "names.\n"
        "Never say a file is safe to remove if its safety level is \"Needs review\".\n"
        "Do not use lists, markdown or emoji.";
    return text;
}

bool OnDeviceModelExplainer::isAvailable() const {
    return model_ && model_->isAvailable();
}

Explanation OnDeviceModelExplainer::explain(const ExplanationFacts& facts) const {
    if (!model_) {
        throw ExplanationError::unavailable();
    }
    const std::string answer = model_->respond(instructions(), facts.text());
    return {std::string(trimmingWhiteSpace(answer)), Explanation::Source::onDeviceModel};
}

}  // namespace tandor
